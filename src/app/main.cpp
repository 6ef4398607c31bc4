#include "ElevatedInstance.h"
#include "MainWindow.h"
#include "Network.h"
#include "OsInterface.h"
#include "Translations.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>

#include <cstring>

int main(int argc, char* argv[])
{
    // The copy the launcher started with rights does its work alone, without a window.
    if (argc > 1 && std::strcmp(argv[1], ElevatedVerb) == 0) {
        QCoreApplication app(argc, argv);
        // GetModuleFileNameW on Windows: the copy's own folder, whatever its command line says.
        const QString own = QFileInfo(QCoreApplication::applicationFilePath()).path() + QLatin1Char('/');
        return runElevatedWork(*OsInterface::instance(), QCoreApplication::arguments().mid(2), own);
    }
    // Scaled as a whole at 125%, 150% and 200%: sizes, spacing and images,
    // not only the fonts; images from their larger entries where they have them.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    // Windows' display languages; the locale elsewhere.
    installTranslations(QLocale::system().uiLanguages());
    // The executable's own full path: argv[0] may be a bare name found through
    // PATH, and on Windows it holds only what the ANSI code page can.
    MainWindow window(QCoreApplication::applicationFilePath());
    // A desktop shortcut's "--launch" (or the Windows way, "/launch") plays at
    // once; the window shows only when the launch stops, saying why.
    const QStringList options = QCoreApplication::arguments().mid(1);
    if ((options.contains(QStringLiteral("--launch"), Qt::CaseInsensitive)
         || options.contains(QStringLiteral("/launch"), Qt::CaseInsensitive))
        && window.launchAtStart())
        return 0;
    window.show();
    return app.exec();
}
