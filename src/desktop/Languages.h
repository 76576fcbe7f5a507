#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The language the program speaks: the first of the desktop's languages (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG, as the toolkit reads them) that the program has a translation for. English,
// the language the program is written in, is the empty code.

// The code from `available` ("de", "pt_BR") that the first of `preferred` (BCP 47 tags, "de-AT")
// names, its region tried before the language alone; empty when English comes first or none does.
QString ChosenLanguage(const QStringList& preferred, const QStringList& available);

// The languages whose compiled translations ("huemark_<code>.qm") lie in `folder`.
QStringList TranslationsIn(const QString& folder);

// The program's language, chosen once from the desktop's and the translations beside the
// executable (an application object must exist).
QString ProgramLanguage();

// Installs the program's translation and the toolkit's own (its dialogs' buttons, the names of
// keys in shortcuts) for ProgramLanguage(). Nothing is installed for English.
void InstallTranslations();

// An application object of its own, with the translations installed, for answers given where no
// toolkit runs (on the command line, before a window's toolkit starts or in a process that has
// none): texts are translated only while an application object lives. Not where one already does.
class SpeakingWithoutToolkit {
public:
    SpeakingWithoutToolkit();

private:
    int m_argc = 1;
    char m_name[8] = "huemark";
    char* m_argv[2] = {m_name, nullptr};
    QCoreApplication m_core;
};

// One line on standard error, "huemark: " and the text, in the program's language.
void Complain(const QString& text);
