#ifndef VELKARO_TRANSLATIONS_H
#define VELKARO_TRANSLATIONS_H

#include <QStringList>

// Installs the launcher's texts, and Qt's own for its dialogs and menus, in
// the first of the user's languages (most wanted first, as
// QLocale::uiLanguages() gives them) that is English or has a translation.
// Replaces what an earlier call installed. True when a translation was loaded;
// false leaves the English source texts.
bool installTranslations(const QStringList& languages);

#endif // VELKARO_TRANSLATIONS_H
