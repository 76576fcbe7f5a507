#include "desktop/Languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <optional>

QString ChosenLanguage(const QStringList& preferred, const QStringList& available) {
    for (QString tag : preferred) {
        tag.replace(QLatin1Char('-'), QLatin1Char('_'));
        // "C" and "POSIX" are the program's own texts, as English is.
        if (tag == QLatin1String("C") || tag == QLatin1String("POSIX") ||
            tag.section(QLatin1Char('_'), 0, 0) == QLatin1String("en")) {
            return QString();
        }
        // A region, a script or an encoding narrows the language: the longest known prefix wins.
        tag = tag.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        for (QString code = tag; !code.isEmpty(); code = code.contains(QLatin1Char('_'))
                                                             ? code.section(QLatin1Char('_'), 0, -2)
                                                             : QString()) {
            if (available.contains(code)) {
                return code;
            }
        }
    }
    return QString();
}

QStringList TranslationsIn(const QString& folder) {
    QStringList codes;
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("huemark_*.qm")}, QDir::Files | QDir::Readable);
    for (const QString& name : names) {
        codes << name.mid(8, name.size() - 8 - 3);
    }
    return codes;
}

QString ProgramLanguage() {
    static const QString language = ChosenLanguage(
        QLocale::system().uiLanguages(), TranslationsIn(QCoreApplication::applicationDirPath()));
    return language;
}

void InstallTranslations() {
    const QString language = ProgramLanguage();
    if (language.isEmpty()) {
        return;
    }
    // Owned by the application object, which outlives every text.
    auto* program = new QTranslator(QCoreApplication::instance());
    if (program->load(QStringLiteral("huemark_") + language,
                      QCoreApplication::applicationDirPath())) {
        QCoreApplication::installTranslator(program);
    }
    auto* toolkit = new QTranslator(QCoreApplication::instance());
    if (toolkit->load(QStringLiteral("qtbase_") + language,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(toolkit);
    }
}

SpeakingWithoutToolkit::SpeakingWithoutToolkit() : m_core(m_argc, m_argv) {
    InstallTranslations();
}

void Complain(const QString& text) {
    std::fputs(qPrintable(QStringLiteral("huemark: %1\n").arg(text)), stderr);
}
