// Which translation the desktop's languages choose.

#include "desktop/Languages.h"

#include <QTest>

class TestLanguages : public QObject {
    Q_OBJECT
private slots:
    void chosen_data();
    void chosen();
};

void TestLanguages::chosen_data() {
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QString>("expected");
    const QString none;
    QTest::newRow("language and region") << QStringList{"de-DE", "de"} << "de";
    QTest::newRow("region of a known language") << QStringList{"de-AT"} << "de";
    QTest::newRow("underscore, encoding") << QStringList{"ja_JP.UTF-8"} << "ja";
    QTest::newRow("modifier") << QStringList{"fr_FR@euro"} << "fr";
    QTest::newRow("script and region") << QStringList{"zh-Hant-TW"} << "zh_Hant";
    QTest::newRow("region translated apart") << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("unknown first, known next") << QStringList{"nl-NL", "es-ES"} << "es";
    QTest::newRow("English first") << QStringList{"en-GB", "de-DE"} << none;
    QTest::newRow("C locale") << QStringList{"C"} << none;
    QTest::newRow("POSIX locale") << QStringList{"POSIX", "de"} << none;
    QTest::newRow("none known") << QStringList{"nl", "sv"} << none;
    QTest::newRow("nothing preferred") << QStringList{} << none;
    QTest::newRow("a prefix is not a language") << QStringList{"j"} << none;
}

void TestLanguages::chosen() {
    QFETCH(QStringList, preferred);
    QFETCH(QString, expected);
    const QStringList available{"de", "fr", "es", "ja", "zh_Hant", "pt_BR"};
    QCOMPARE(ChosenLanguage(preferred, available), expected);
}

QTEST_GUILESS_MAIN(TestLanguages)
#include "test_languages.moc"
