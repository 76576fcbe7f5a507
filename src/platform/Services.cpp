#include "platform/Services.h"

#include "platform/Clipboard.h"

#include <QCursor>
#include <QFileDialog>
#include <QMessageBox>

namespace {
class QtFileDialog : public FileDialogService {
public:
    std::optional<QString> getOpenFileName(QWidget* parent, const OpenFileRequest& r) override {
        QFileDialog dialog(parent, r.title, r.initialDir);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(r.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog.setNameFilters(r.filters);
        if (r.selectedFilter >= 0 && r.selectedFilter < r.filters.size()) {
            dialog.selectNameFilter(r.filters[r.selectedFilter]);
        }
        if (!r.proposedFile.isEmpty()) {
            dialog.selectFile(r.proposedFile);
        }
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        return dialog.selectedFiles().front();
    }
};

class QtMessageBox : public MessageBoxService {
public:
    void showMessage(QWidget* parent, const QString& text, const QString& caption) override {
        // Message texts break lines with a bare carriage return.
        QString shown = text;
        shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        QMessageBox box(QMessageBox::NoIcon, caption, shown, QMessageBox::Ok, parent);
        box.exec();
    }
};

class QtPointer : public PointerService {
public:
    QPoint pos() const override { return QCursor::pos(); }
    void setPos(QPoint p) override { QCursor::setPos(p); }
};

class NoHelpViewer : public HelpViewerService {
public:
    void showHelp(QWidget*, const QString&, int) override {}
};
} // namespace

Services Services::qtDefaults() {
    Services s;
    s.fileDialog = std::make_shared<QtFileDialog>();
    s.messageBox = std::make_shared<QtMessageBox>();
    s.pointer = std::make_shared<QtPointer>();
    s.helpViewer = std::make_shared<NoHelpViewer>();
    s.clipboard = NewClipboard();
    return s;
}
