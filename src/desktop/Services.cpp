#include "desktop/Services.h"

#include "desktop/Clipboard.h"
#include "desktop/IniSettingsStore.h"
#include "desktop/NativeWindow.h"
#include "desktop/capture/ScreenCapture.h"

#include "pixels/RegularFile.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>
#include <QVBoxLayout>

namespace {
// The dialog's answer as the system spells it: a desktop's file chooser answers with an address
// whose percent-encoded bytes keep a name that is not UTF-8, which the dialog's text of it loses.
QString ChosenFile(const QFileDialog& dialog) {
    const QList<QUrl> urls = dialog.selectedUrls();
    if (!urls.isEmpty() && urls.front().isLocalFile()) {
        const QByteArray path =
            QByteArray::fromPercentEncoding(urls.front().path(QUrl::FullyEncoded).toLatin1());
        if (!path.isEmpty()) {
            return FileNameText(path);
        }
    }
    return dialog.selectedFiles().front();
}

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
        return ChosenFile(dialog);
    }

    std::optional<SaveFileAnswer> getSaveFileName(QWidget* parent,
                                                  const SaveFileRequest& r) override {
        QFileDialog dialog(parent, r.title, r.initialDir);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !r.overwritePrompt);
        dialog.setNameFilters(r.filters);
        // A name typed without an extension gets the chosen filter's before the dialog asks
        // whether to replace a file of that name.
        const auto useFilter = [&dialog, &r](int index) {
            dialog.setDefaultSuffix(index >= 0 && index < r.suffixes.size() ? r.suffixes[index]
                                                                            : QString());
        };
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&r, useFilter](const QString& filter) {
                             useFilter(static_cast<int>(r.filters.indexOf(filter)));
                         });
        if (r.selectedFilter >= 0 && r.selectedFilter < r.filters.size()) {
            dialog.selectNameFilter(r.filters[r.selectedFilter]);
        }
        useFilter(r.selectedFilter);
        if (!r.proposedFile.isEmpty()) {
            dialog.selectFile(r.proposedFile);
        }
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        return SaveFileAnswer{ChosenFile(dialog),
                              static_cast<int>(r.filters.indexOf(dialog.selectedNameFilter()))};
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
    bool askYesNo(QWidget* parent, const QString& text, const QString& caption) override {
        QString shown = text;
        shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        QMessageBox box(QMessageBox::Question, caption, shown, QMessageBox::Yes | QMessageBox::No,
                        parent);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }
};

// A line edit with the template, the current colour through it below, and OK only while the
// template is one.
class QtTemplateDialog : public TemplateDialogService {
public:
    std::optional<QString>
    editTemplate(QWidget* parent, const QString& current,
                 const std::function<TemplatePreview(const QString&)>& preview) override {
        QDialog dialog(parent);
        dialog.setObjectName(QStringLiteral("templateDialog"));
        //: The title of the dialog that edits the template Edit, Copy As, Custom copies with.
        dialog.setWindowTitle(QCoreApplication::translate("Services", "Custom Notation"));
        auto* layout = new QVBoxLayout(&dialog);
        //: Above the template's line edit. The placeholders stay as they are.
        auto* label = new QLabel(
            KeepPlaceholdersWhole(QCoreApplication::translate(
                "Services",
                "&Template, with placeholders such as {hex}, {r} {g} {b}, {h} {s} {l}, {l:.1}, "
                "{oklch}, {name}, {x} {y} and {description}; {{ and }} for braces, \\n for a "
                "line break:")),
            &dialog);
        label->setWordWrap(true);
        auto* edit = new QLineEdit(current, &dialog);
        edit->setObjectName(QStringLiteral("txtTemplate"));
        // Typing replaces the template remembered; a key that moves keeps it.
        edit->selectAll();
        label->setBuddy(edit);
        auto* shown = new QLabel(&dialog);
        shown->setObjectName(QStringLiteral("lblPreview"));
        //: The line under the template: the colour through it, or what is wrong with it.
        shown->setAccessibleName(QCoreApplication::translate("Services", "Preview"));
        shown->setTextFormat(Qt::PlainText);
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* buttons =
            new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        layout->addWidget(label);
        layout->addWidget(edit);
        layout->addWidget(shown);
        layout->addWidget(buttons);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        const auto update = [&](const QString& text) {
            const TemplatePreview p = preview(text);
            shown->setText(p.text);
            buttons->button(QDialogButtonBox::Ok)->setEnabled(p.valid);
        };
        QObject::connect(edit, &QLineEdit::textChanged, &dialog, update);
        update(current);
        dialog.resize(dialog.sizeHint().expandedTo(QSize(480, 0)));
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return edit->text();
    }
};

class QtPointer : public PointerService {
public:
    QPoint pos() const override { return QCursor::pos(); }
    bool setPos(QPoint p) override {
        QCursor::setPos(p);
        return QCursor::pos() == p || QGuiApplication::screenAt(p) == nullptr;
    }
    bool setDevicePos(QPoint devicePixel) override {
        if (WarpPointer(devicePixel)) {
            return true;
        }
        // At a screen's edge the pointer cannot go further, which is no refusal.
        const qreal ratio = qApp != nullptr ? qApp->devicePixelRatio() : 1;
        return QGuiApplication::screenAt((QPointF(devicePixel) / ratio).toPoint()) == nullptr;
    }
    std::optional<QPoint> devicePos() const override { return PointerDevicePixel(); }
    bool tellsPlace() const override {
        return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    }
    bool knownOver(const QWidget* widget) const override {
        return tellsPlace() || widget->underMouse();
    }
};

class QtPrintDialog : public PrintDialogService {
public:
    bool showPrinter(QWidget* parent, QPrinter& printer, const PrintDialogRequest& r) override {
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, r.pageRange);
        if (!r.pageRange) {
            // With CUPS, Qt offers a page range for the print service to apply even when the
            // program asks for none; the group that holds it goes once the dialog is up.
            QMetaObject::invokeMethod(
                &dialog,
                [&dialog] {
                    if (auto* range = dialog.findChild<QWidget*>(QStringLiteral("gbPrintRange"))) {
                        range->hide();
                    }
                },
                Qt::QueuedConnection);
        }
        if (r.setupOnly) {
            // Nothing is printed from here: OK keeps the choice for the next printout.
            //: The print dialog's title when it only sets the printer up (File, Print Setup).
            dialog.setWindowTitle(QCoreApplication::translate("Services", "Print Setup"));
            if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
                if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) {
                    //: The Print Setup dialog's button that keeps the choice.
                    ok->setText(QCoreApplication::translate("Services", "OK"));
                    ok->setIcon(QIcon());
                }
            }
        }
        return dialog.exec() == QDialog::Accepted;
    }
};

class QtProgress : public ProgressService {
public:
    void start(QWidget* parent, const QString& label, int total) override {
        m_dialog = std::make_unique<QProgressDialog>(
            //: The printing progress dialog's button.
            label, QCoreApplication::translate("Services", "Cancel"), 0, total, parent);
        m_dialog->setWindowTitle(QStringLiteral("Huemark"));
        // Modal to the window: nothing there changes while the task reads it.
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(500);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        m_dialog->setValue(0);
    }
    bool advance(int done) override {
        if (!m_dialog) {
            return true;
        }
        m_dialog->setValue(done);
        return !m_dialog->wasCanceled();
    }
    void finish() override { m_dialog.reset(); }

private:
    std::unique_ptr<QProgressDialog> m_dialog;
};

class QtClock : public ClockService {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class NoHelpViewer : public HelpViewerService {
public:
    void showHelp(QWidget*, const QString&, int) override {}
};
} // namespace

QString KeepPlaceholdersWhole(const QString& text) {
    static const QRegularExpression kWhole(QStringLiteral(R"(\{\{|\}\}|\{[^{}\s]*\}|\\.)"));
    constexpr QChar kWordJoiner(0x2060);
    QString out;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : kWhole.globalMatch(text)) {
        out += QStringView(text).mid(from, m.capturedStart() - from);
        const QStringView whole = m.capturedView();
        for (qsizetype i = 0; i < whole.size(); ++i) {
            if (i > 0 && !whole[i].isLowSurrogate()) {
                out += kWordJoiner;
            }
            out += whole[i];
        }
        from = m.capturedEnd();
    }
    out += QStringView(text).mid(from);
    return out;
}

Services Services::qtDefaults() {
    Services s;
    s.printDialog = std::make_shared<QtPrintDialog>();
    s.printerOutput = MakeQtPrinterOutput();
    s.clock = std::make_shared<QtClock>();
    s.fileDialog = std::make_shared<QtFileDialog>();
    s.messageBox = std::make_shared<QtMessageBox>();
    s.templateDialog = std::make_shared<QtTemplateDialog>();
    s.pointer = std::make_shared<QtPointer>();
    s.helpViewer = std::make_shared<NoHelpViewer>();
    s.settings = std::make_shared<IniSettingsStore>();
    s.clipboard = NewClipboard();
    s.progress = std::make_shared<QtProgress>();
    s.screen = NewScreenCapture();
    s.history = NewFileHistory();
    return s;
}

bool Services::complete() const {
    return printDialog && printerOutput && clock && fileDialog && messageBox && templateDialog &&
           pointer && helpViewer && settings && clipboard && progress && screen && history;
}
