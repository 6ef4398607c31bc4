#include "MainWindow.h"

#include "OsInterface.h"

#include <QDir>

bool MainWindow::detectOsVersion()
{
    int platformId = 0;
    int majorVersion = 0;
    if (!OsInterface::instance()->queryVersion(platformId, majorVersion))
        return false;
    constexpr int WindowsNtPlatform = 2;
    if (platformId != WindowsNtPlatform)
        osVersionLevel = 5;
    else
        osVersionLevel = majorVersion > 6 ? 7 : majorVersion;
    return true;
}

bool MainWindow::setCompatibilityLayers()
{
    QStringList layers;
    if (options.compatibility != 0)
        layers << QStringLiteral("DISABLEDWM HIGHDPIAWARE");
    if (options.runAsAdministrator != 0)
        layers << QStringLiteral("RUNASADMIN");
    if (layers.isEmpty())
        return false;
    // Windows looks the game up by its path with backslashes, while the file
    // dialog hands out forward slashes; the 8-bit registry calls read names in
    // the system's code page.
    const QByteArray valueName = QDir::toNativeSeparators(launchPath).toLocal8Bit();
    return OsInterface::instance()->writeUserString(Registry::LayersKey, valueName.toStdString(),
                                                    layers.join(QLatin1Char(' ')).toStdString());
}
