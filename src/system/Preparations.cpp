#include "MainWindow.h"

#include "OsInterface.h"

void MainWindow::addFirewallExceptions()
{
    // Argument lists, never one command line: the game path stays one
    // argument whatever it holds, and Windows quotes it when it has blanks.
    QStringList allowProgram = QStringLiteral("firewall add allowedprogram program = %1 name = StarCraft993 "
                                              "mode = ENABLE scope = ALL profile = ALL")
                                   .split(QLatin1Char(' '));
    allowProgram.replace(allowProgram.indexOf(QStringLiteral("%1")), launchPath);
    QProcess::execute(QStringLiteral("netsh"), allowProgram);
    QProcess::execute(QStringLiteral("netsh"), QStringLiteral("firewall add portopening protocol = ALL port = 6112 "
                                                              "name = StarCraftTCPUDP scope = ALL")
                                                   .split(QLatin1Char(' ')));
}

bool MainWindow::runPaletteTricks()
{
    displayProcess.start(QStringLiteral("rundll32.exe"),
                         {QStringLiteral("shell32.dll,Control_RunDLL"), QStringLiteral("desk.cpl")});
    OsInterface* os = OsInterface::instance();
    // The applet needs a moment to put up its window; one look per title.
    os->sleepMs(500);
    OsInterface::WindowHandle window = os->findWindow("Display Properties");
    if (window == 0)
        window = os->findWindow("Display Settings");
    if (window == 0)
        return false;
    os->activateWindow(window);
    return true;
}
