#include "Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

bool installTranslations(const QStringList& languages)
{
    static QTranslator own;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&qt);
    const QString folder = QStringLiteral(":/translations");
    for (const QString& language : languages) {
        const QLocale locale(language);
        // English is the source: a user who puts it before a translated
        // language wants the launcher as it is.
        if (locale.language() == QLocale::English)
            return false;
        // A region without a file of its own takes the language's: de_AT gets velkaro_de.
        if (!own.load(QStringLiteral("velkaro_") + locale.name(), folder))
            continue;
        QCoreApplication::installTranslator(&own);
        if (qt.load(QStringLiteral("qtbase_") + locale.name(), folder))
            QCoreApplication::installTranslator(&qt);
        return true;
    }
    return false;
}
