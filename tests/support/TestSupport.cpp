#include "support/TestSupport.h"

#include "controls/PictureBox.h"
#include "desktop/Printer.h"
#include "pixels/PlatformError.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPrinter>
#include <QTest>

std::optional<QString> ScriptedFileDialog::getOpenFileName(QWidget*, const OpenFileRequest& r) {
    requests.push_back(r);
    if (answers.empty()) {
        return std::nullopt;
    }
    const QString answer = answers.front();
    answers.pop_front();
    if (answer.isNull()) {
        return std::nullopt;
    }
    return answer;
}

std::optional<QString> ScriptedTemplateDialog::editTemplate(
    QWidget*, const QString& current,
    const std::function<TemplatePreview(const QString&)>& preview) {
    opened << current;
    previews.push_back(preview(current));
    if (answers.empty()) {
        return std::nullopt;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    previews.push_back(preview(answer.typed));
    if (!answer.ok || !previews.back().valid) {
        return std::nullopt;
    }
    return answer.typed;
}

std::optional<SaveFileAnswer> ScriptedFileDialog::getSaveFileName(QWidget*,
                                                                  const SaveFileRequest& r) {
    saveRequests.push_back(r);
    if (saveAnswers.empty() || saveAnswers.front().path.isNull()) {
        if (!saveAnswers.empty()) {
            saveAnswers.pop_front();
        }
        return std::nullopt;
    }
    const SaveFileAnswer answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

void RecordingMessageBox::showMessage(QWidget*, const QString& text, const QString& caption) {
    messages.push_back({text, caption});
}

bool RecordingMessageBox::askYesNo(QWidget*, const QString& text, const QString& caption) {
    messages.push_back({text, caption});
    if (answers.empty()) {
        return false;
    }
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
}

bool ScriptedPointer::setPos(QPoint p) {
    if (!movable) {
        return false;
    }
    position = p;
    if (!deliverMoves) {
        return true;
    }
    // Like the desktop, report the move afterwards, as an event of its own.
    QWidget* target = QApplication::widgetAt(p);
    if (target == nullptr) {
        return true;
    }
    const QPointF local = target->mapFromGlobal(QPointF(p));
    QApplication::postEvent(target, new QMouseEvent(QEvent::MouseMove, local, QPointF(p),
                                                    Qt::NoButton, Qt::NoButton, Qt::NoModifier));
    return true;
}

void RecordingHelpViewer::showHelp(QWidget*, const QString& file, int context) {
    requests.push_back({file, context});
}

QString RecordingSettingsStore::GetSetting(const QString& app, const QString& section,
                                           const QString& key, const QString& def) {
    const auto it = values.find(app + QLatin1Char('/') + section + QLatin1Char('/') + key);
    return it != values.end() ? it->second : def;
}

void RecordingSettingsStore::SaveSetting(const QString& app, const QString& section,
                                         const QString& key, const QString& value) {
    values[app + QLatin1Char('/') + section + QLatin1Char('/') + key] = value;
    // Keys outside the described section are named with theirs.
    const QString name =
        section == QLatin1String("Settings") ? key : section + QLatin1Char('/') + key;
    writes << name + QLatin1Char('=') + value;
}

bool RecordingSettingsStore::Flush() {
    ++flushes;
    return !flushFails;
}

QString RecordingSettingsStore::setting(const QString& key) const {
    const auto it = values.find(QStringLiteral("Huemark/Settings/") + key);
    return it != values.end() ? it->second : QString();
}

void ScriptedPrinterOutput::printToFile(const QString& path) {
    QPrinter& p = real->printer();
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(path);
    p.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                QMarginsF(36, 36, 36, 36), QPageLayout::Point));
}

QPrinter& ScriptedPrinterOutput::printer() {
    ++printerRequests;
    return real->printer();
}

void ScriptedPrinterOutput::begin(QPainter& painter, const QString& title) {
    if (onBegin) {
        onBegin();
    }
    if (failAt == Step::Begin) {
        throw PlatformError(kErrPrinter, QStringLiteral("The printer is out of paper."));
    }
    real->begin(painter, title);
}

void ScriptedPrinterOutput::newPage() {
    if (failAt == Step::NewPage) {
        throw PlatformError(kErrPrinter, QStringLiteral("The printer jammed."));
    }
    real->newPage();
}

void ScriptedPrinterOutput::end(QPainter& painter) {
    if (failAt == Step::End) {
        throw PlatformError(kErrPrinter, QStringLiteral("The printer went offline."));
    }
    real->end(painter);
}

void ScriptedPrinterOutput::abort(QPainter& painter) {
    ++aborts;
    real->abort(painter);
}

bool ScriptedPrintDialog::showPrinter(QWidget*, QPrinter& printer, const PrintDialogRequest& r) {
    requests.push_back(r);
    if (whileOpen) {
        whileOpen(printer);
    }
    if (answers.empty()) {
        return false;
    }
    const bool ok = answers.front();
    answers.pop_front();
    return ok;
}

std::optional<QStringList> ScriptedClipboard::formats(const QDeadlineTimer& deadline) {
    if (!answers) {
        // As an owner that never answers: nothing before the deadline, which must be near.
        if (deadline.isForever() || deadline.remainingTime() > 5000) {
            qFatal("the clipboard was read without a deadline");
        }
        return std::nullopt;
    }
    QStringList names;
    for (const auto& [format, bytes] : offer) {
        names.append(format);
    }
    return names;
}

ClipboardData ScriptedClipboard::data(const QString& format, const ClipboardLimit& limit,
                                      const QDeadlineTimer&) {
    if (!handsOver) {
        return {ClipboardData::Status::NoAnswer, {}};
    }
    for (const auto& [name, bytes] : offer) {
        if (name == format) {
            const qint64 most = limit(bytes);
            return most > 0 && bytes.size() > most
                       ? ClipboardData{ClipboardData::Status::TooLarge, {}}
                       : ClipboardData{ClipboardData::Status::Read, bytes};
        }
    }
    return {};
}

Services TestServices::services() const {
    Services s;
    s.printDialog = printDialog;
    s.printerOutput = printerOutput;
    s.clock = clock;
    s.fileDialog = fileDialog;
    s.messageBox = messageBox;
    s.templateDialog = templateDialog;
    s.pointer = pointer;
    s.helpViewer = helpViewer;
    s.settings = settings;
    s.clipboard = clipboard;
    s.progress = progress;
    s.screen = screen;
    s.history = history;
    return s;
}

void RecordingHistory::add(const Pick& pick) {
    if (!failWith.isEmpty()) {
        emit failed(failWith);
        return;
    }
    picks.prepend(pick);
}

ListRead RecordingHistory::read() {
    ListRead read;
    read.rows = picks;
    return read;
}

QString RecordingHistory::clear() {
    ++clears;
    picks.clear();
    return QString();
}

ScreenCaptureResult ScriptedScreenCapture::capture(QWidget*) {
    ++captures;
    return answer;
}

TestWindow::TestWindow(const QImage& picture, const std::map<QString, QString>& settings) {
    fakes.settings->values.insert(settings.begin(), settings.end());
    form = std::make_unique<frmHuemark>(fakes.services());
    form->Form_Load();
    form->move(40, 30);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) {
        qFatal("the test window was never exposed");
    }
    form->activateWindow();
    if (!picture.isNull()) {
        form->picColor->setPicture(picture);
    }
}

QPoint TestWindow::screenPointOf(int pictureX, int pictureY) const {
    return form->picColor->mapToGlobal(QPoint(pictureX, pictureY));
}

void TestWindow::pointAt(int x, int y) {
    fakes.pointer->setPos(screenPointOf(x, y));
    QCoreApplication::processEvents();
}

QImage SolidPicture(int width, int height, quint32 colorValue) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(colorValue & 0xFF, (colorValue >> 8) & 0xFF, (colorValue >> 16) & 0xFF));
    return image;
}

void SetPixelValue(QImage& image, int x, int y, quint32 colorValue) {
    image.setPixel(x, y,
                   qRgb(colorValue & 0xFF, (colorValue >> 8) & 0xFF, (colorValue >> 16) & 0xFF));
}
