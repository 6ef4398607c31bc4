#include "Settings.h"

#include "OsInterface.h"

QString installedGamePath(OsInterface& os)
{
    std::string installPath;
    if (!os.readMachineString(Registry::GameKey, Registry::GameInstallPathValue, installPath))
        return QString();
    return QString::fromLocal8Bit(installPath.data(), static_cast<int>(installPath.size()))
           + QStringLiteral("\\starcraft.exe");
}
