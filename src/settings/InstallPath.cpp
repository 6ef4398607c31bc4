#include "MainWindow.h"

#include "OsInterface.h"

void MainWindow::lookupInstallPath()
{
    std::string installPath;
    if (!OsInterface::instance()->readMachineString(Registry::GameKey, Registry::GameInstallPathValue, installPath))
        return;
    registryGamePath = QString::fromLocal8Bit(installPath.data(), static_cast<int>(installPath.size()))
                       + QStringLiteral("\\starcraft.exe");
}
