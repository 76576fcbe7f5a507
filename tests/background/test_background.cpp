// The background instance's pieces that stand without a desktop: the shortcut's text form, the
// X keysym and modifier mask it is grabbed with, and the entry that starts it with the session.

#include "background/Tray.h"
#include "background/X11Hotkey.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestBackground : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void shortcutText_data();
    void shortcutText();
    void x11Key_data();
    void x11Key();
    void autostart_data();
    void autostart();

private:
    QTemporaryDir m_config;
};

void TestBackground::initTestCase() {
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

void TestBackground::shortcutText_data() {
    QTest::addColumn<QString>("text"); // as [Options] PickShortcut holds it
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<QString>("saved"); // the text it is saved as again

    const QKeySequence fallback(Qt::MetaModifier | Qt::ShiftModifier | Qt::Key_C);
    QTest::newRow("the default") << kDefaultShortcut << fallback << "Super+Shift+C";
    QTest::newRow("no Super") << "Ctrl+Alt+P"
                              << QKeySequence(Qt::ControlModifier | Qt::AltModifier | Qt::Key_P)
                              << "Ctrl+Alt+P";
    QTest::newRow("any case, blanks around") << "  super+shift+c " << fallback << "Super+Shift+C";
    QTest::newRow("two chords: the first")
        << "Ctrl+K, Ctrl+C" << QKeySequence(Qt::ControlModifier | Qt::Key_K) << "Ctrl+K";
    QTest::newRow("no key: the default") << "Super+Shift+Banana" << fallback << "Super+Shift+C";
    QTest::newRow("garbage: the default") << "%%%" << fallback << "Super+Shift+C";
}

void TestBackground::shortcutText() {
    QFETCH(QString, text);
    QFETCH(QKeySequence, shortcut);
    QFETCH(QString, saved);
    QCOMPARE(ShortcutOfText(text), shortcut);
    QCOMPARE(ShortcutText(shortcut), saved);
    // What is saved reads back as the same shortcut.
    QCOMPARE(ShortcutOfText(ShortcutText(shortcut)), shortcut);
}

void TestBackground::x11Key_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<unsigned>("keysym"); // 0: none a shortcut takes
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<unsigned>("mask");

    QTest::newRow("a letter: its small keysym, Shift+Super")
        << int(Qt::Key_C) << 0x63u << (Qt::ShiftModifier | Qt::MetaModifier) << 0x41u;
    QTest::newRow("a digit, Alt") << int(Qt::Key_7) << 0x37u
                                  << Qt::KeyboardModifiers(Qt::AltModifier) << 0x08u;
    QTest::newRow("punctuation, all four")
        << int(Qt::Key_BracketLeft) << 0x5Bu
        << (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) << 0x4Du;
    QTest::newRow("F1; the keypad adds no modifier")
        << int(Qt::Key_F1) << 0xFFBEu << Qt::KeyboardModifiers(Qt::KeypadModifier) << 0u;
    QTest::newRow("F12") << int(Qt::Key_F12) << 0xFFC9u << Qt::KeyboardModifiers() << 0u;
    QTest::newRow("Print, Ctrl") << int(Qt::Key_Print) << 0xFF61u
                                 << Qt::KeyboardModifiers(Qt::ControlModifier) << 0x04u;
    QTest::newRow("a modifier alone is no key")
        << int(Qt::Key_Shift) << 0u << Qt::KeyboardModifiers() << 0u;
    QTest::newRow("unknown") << int(Qt::Key_unknown) << 0u << Qt::KeyboardModifiers() << 0u;
}

void TestBackground::x11Key() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QTEST(KeysymOfKey(key), "keysym");
    QTEST(X11Modifiers(modifiers), "mask");
}

void TestBackground::autostart_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("exec"); // the entry's Exec line

    QTest::newRow("a plain path") << "/usr/bin/huemark"
                                  << "Exec=/usr/bin/huemark --background";
    QTest::newRow("a blank: quoted") << "/opt/My Apps/huemark"
                                     << R"(Exec="/opt/My Apps/huemark" --background)";
    QTest::newRow("a bracket: quoted") << "/home/me/huemark(2)/huemark"
                                       << R"(Exec="/home/me/huemark(2)/huemark" --background)";
    // Inside the quotes $ and " take a backslash, which the file's own escaping doubles.
    QTest::newRow("a dollar and a quote") << R"(/home/me/$x"y/huemark)"
                                          << R"(Exec="/home/me/\\$x\\"y/huemark" --background)";
    // A percent sign stands for the launcher's arguments unless it is doubled.
    QTest::newRow("a percent sign") << "/opt/100%/huemark"
                                    << "Exec=/opt/100%%/huemark --background";
}

void TestBackground::autostart() {
    QFETCH(QString, program);
    const QString path = AutostartPath();
    QVERIFY2(path.startsWith(m_config.path() + QStringLiteral("/autostart/")), qPrintable(path));
    QVERIFY(path.endsWith(QStringLiteral(".desktop")));

    // Off where there is none is no failure.
    QCOMPARE(SetAutostart(false, program), QString());
    QCOMPARE(SetAutostart(true, program), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    file.close();
    QCOMPARE(lines.front(), QStringLiteral("[Desktop Entry]"));
    QVERIFY(lines.contains(QStringLiteral("Type=Application")));
    const QStringList exec = lines.filter(QRegularExpression(QStringLiteral("^Exec=")));
    QCOMPARE(exec.size(), 1);
    QTEST(exec.front(), "exec");
    // On again: the one entry, written over.
    QCOMPARE(SetAutostart(true, program), QString());
    QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files).size(), 1);
    QCOMPARE(SetAutostart(false, program), QString());
    QVERIFY(!QFileInfo::exists(path));
}

QTEST_MAIN(TestBackground)
#include "test_background.moc"
