#pragma once
// Rules of the picked-colour list that need no window: which cell the description editor edits,
// which keys close it, and what the Print button says about the tags option.

#include <QCoreApplication>
#include <QString>

namespace ListRules {

constexpr int kDescriptionCol = 5;
constexpr int kKeyEnter = 13;
constexpr int kKeyEscape = 27;

// A press on a Description cell of any row but the titles opens the editor on it.
constexpr bool OpensEditor(int row, int col) {
    return col == kDescriptionCol && row != 0;
}

// Enter and Escape close the editor without writing; every other key release writes the
// editor's whole text into the current row's Description.
constexpr bool ClosesEditor(int keyCode) {
    return keyCode == kKeyEnter || keyCode == kKeyEscape;
}

// With tags on, a printout adds the tagged picture.
inline QString PrintButtonTip(bool tagsOn) {
    return tagsOn ? QCoreApplication::translate("ListRules", "Print list and screen")
                  : QCoreApplication::translate("ListRules", "Print list");
}

} // namespace ListRules
