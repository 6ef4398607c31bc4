#include "Settings.h"

#include "OsInterface.h"

#include <QFile>

QString installedGamePath(OsInterface& os)
{
    std::u16string installPath;
    if (!os.readMachineString(Registry::GameKey, Registry::GameInstallPathValue, installPath))
        return QString();
    const QString folder = QString::fromStdU16String(installPath);
    // Installers record the folder with or without a final backslash; the
    // game's path has exactly one, or Windows never matches it up.
    const QString named = folder + (folder.endsWith(QLatin1Char('\\')) ? QString() : QStringLiteral("\\"))
                          + QStringLiteral("starcraft.exe");
    if (QFile::exists(named))
        return named;
    // Today's client keeps its game in a folder of its own.
    const QString found = gameFile(folder, os.isWindows64());
    return found == folder ? named : found;
}
