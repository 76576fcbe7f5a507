// The Help menu and About as the window runs them: About shows this program's version
// information, and the help commands ask the help viewer for the right places.

#include "support/TestSupport.h"

#include <QTest>

class TestHelpCommands : public QObject {
    Q_OBJECT
private slots:
    void aboutBox();
    void menuRequests();
};

// The About command shows this program's version information from the build, titled after it.
void TestHelpCommands::aboutBox() {
    TestWindow w;
    w.form->mnuHelpAbout->trigger();
    QCOMPARE(w.fakes.messageBox->messages.size(), std::size_t(1));
    const auto& shown = w.fakes.messageBox->messages[0];
    QCOMPARE(shown.caption, QStringLiteral("About Huemark"));
    const QStringList lines = shown.text.split(QLatin1Char('\r'));
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[0], QStringLiteral("Huemark Ver 1.4  Build(12)"));
    QCOMPARE(lines[2], QStringLiteral("Click picture for pixel color code"));
    QVERIFY(lines[3].startsWith(QStringLiteral("Copyright \u00A9")));
    // The licence by its SPDX identifier, as the package's metadata and copyright file name it.
    QVERIFY(lines[3].endsWith(QStringLiteral("GPL-3.0-or-later")));
    QVERIFY(lines[4].startsWith(QStringLiteral("Get updates at https://")));
}

// Contents asks for the top of the help file, HowTo and F1 for context 4.
void TestHelpCommands::menuRequests() {
    TestWindow w;
    w.form->dlgWinDialog->HelpFile = QStringLiteral("/opt/huemark/Huemark.html");
    w.form->mnuHelpContents->trigger();
    QTest::keyClick(w.form.get(), Qt::Key_F1);
    w.form->mnuHelpHowTo->trigger();
    w.form->mnuHelpContents->trigger();
    const auto& requests = w.fakes.helpViewer->requests;
    QCOMPARE(requests.size(), std::size_t(4));
    const QList<int> contexts{requests[0].context, requests[1].context, requests[2].context,
                              requests[3].context};
    QCOMPARE(contexts, (QList<int>{0, 4, 4, 0}));
    for (const auto& r : requests) {
        QCOMPARE(r.file, QStringLiteral("/opt/huemark/Huemark.html"));
    }
}

QTEST_MAIN(TestHelpCommands)
#include "test_helpcommands.moc"
