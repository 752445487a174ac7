#ifndef TRANSLATIONS_H
#define TRANSLATIONS_H

class QCoreApplication;
class QLocale;

// Installs Sharpa's own translation for the locale, built into the program,
// and Qt's for the standard dialogs and buttons. Nothing is installed for a
// locale without a translation.
void installTranslations(QCoreApplication &application, const QLocale &locale);

#endif // TRANSLATIONS_H
