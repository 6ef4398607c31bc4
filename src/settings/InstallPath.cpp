#include "Settings.h"

#include "OsInterface.h"

QString installedGamePath(OsInterface& os)
{
    std::u16string installPath;
    if (!os.readMachineString(Registry::GameKey, Registry::GameInstallPathValue, installPath))
        return QString();
    QString folder = QString::fromStdU16String(installPath);
    // Installers record the folder with or without a final backslash; the
    // game's path has exactly one, or Windows never matches it up.
    if (!folder.endsWith(QLatin1Char('\\')))
        folder += QLatin1Char('\\');
    return folder + QStringLiteral("starcraft.exe");
}
