#include "MainWindow.h"

#include "DlgAbout.h"
#include "FileDialog.h"
#include "MainWindowForm.h"
#include "OsInterface.h"
#include "PopupEscape.h"
#include "System.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryFile>
#include <QThread>

MainWindow::MainWindow(QString programPath, QWidget* parent)
    : QMainWindow(parent)
    , ui(new MainWindowForm)
{
    ui->setupForm(this);

    appPath = QDir().absoluteFilePath(programPath);
    // A backslash is an ordinary file-name character outside Windows, so the
    // folder ends in the platform's own separator.
    appDir = QFileInfo(appPath).path() + QDir::separator();
    configPlaces = ::configPlaces(appDir, *OsInterface::instance());

    detectOsVersion();
    vistaOrLater = osVersionLevel > 5;
    ui->cbVistaPlus->setChecked(vistaOrLater);

    windows64 = OsInterface::instance()->isWindows64();
    forceBindIPInstalled = isForceBindIPInstalled();
    ui->cbForceBindIP->setChecked(forceBindIPInstalled);

    lookupInstallPath();
    loadConfig();
    // A file that names no usable game gets the registry's path, as no file does.
    ui->leSCPath->setText(gamePath.isEmpty() ? registryGamePath : gamePath);

    for (const auto& [box, flag] : optionBoxes())
        box->setEnabled(vistaOrLater);
    if (vistaOrLater) {
        for (const auto& [box, flag] : optionBoxes())
            box->setChecked(*flag != 0);
    }

    collectNetworks();
    const int kept = keptNetworkIndex(networks, keptNetwork);
    // The player's network is never swapped for another without a word.
    keptNetworkGone = !keptNetwork.isEmpty() && kept < 0;
    if (keptNetworkGone)
        stopLaunch(tr("The network chosen last time (%1) is not connected.").arg(keptNetwork));
    if (networks.empty()) {
        ui->rbHamachi->setEnabled(false);
        ui->rbSelNetwork->setEnabled(false);
        ui->btnLaunch->setEnabled(false);
    } else {
        for (const NetworkEntry& entry : networks)
            ui->cbNetworks->insertItem(ui->cbNetworks->count(), entry.displayText);
        hamachiIP = findHamachiIP();
        ui->leHamachiIP->setText(hamachiIP);
        // The player's last choice first, then Hamachi, then a LAN VPN.
        if (!hamachiIP.isEmpty() && kept < 0) {
            ui->rbHamachi->setChecked(true);
            ui->rbSelNetwork->setChecked(false);
        } else {
            ui->rbHamachi->setChecked(false);
            ui->rbHamachi->setEnabled(!hamachiIP.isEmpty());
            ui->rbSelNetwork->setChecked(true);
            ui->cbNetworks->setCurrentIndex(kept >= 0 ? kept : defaultNetworkIndex(networks));
        }
    }

    // On pressed, not clicked: a button acts the moment it goes down.
    connect(ui->btnCancel, &QPushButton::pressed, this, &MainWindow::onClose);
    connect(ui->btnLaunch, &QPushButton::pressed, this, &MainWindow::onLaunch);
    connect(ui->btnBrowse, &QPushButton::pressed, this, &MainWindow::onBrowse);
    connect(ui->btnAbout, &QPushButton::pressed, this, &MainWindow::onAbout);
    qApp->installEventFilter(new PopupEscape(this));
}

MainWindow::~MainWindow()
{
    delete ui;
    // The display settings applet lives only as long as the launcher; end it
    // here rather than let the process object complain about it.
    if (displayProcess.state() != QProcess::NotRunning) {
        displayProcess.kill();
        displayProcess.waitForFinished();
    }
}

std::array<std::pair<QCheckBox*, std::int32_t*>, 4> MainWindow::optionBoxes()
{
    return {{{ui->cbFirewallException, &options.firewallException},
             {ui->cbCompabilityParams, &options.compatibility},
             {ui->cbPaletteTricks, &options.paletteTricks},
             {ui->cbAdministrator, &options.runAsAdministrator}}};
}

bool MainWindow::isValidPath(const QString& path) const
{
    return ::isValidPath(path);
}

bool MainWindow::loadConfig()
{
    options = LaunchOptions{1, 1, 1, 1};
    QByteArray bytes;
    if (!readTextFile(configToRead(configPlaces), bytes))
        return false;
    readConfig(bytes, gamePath, options, keptNetwork);
    return true;
}

bool MainWindow::saveConfig()
{
    configPath = configToWrite(configPlaces);
    return replaceTextFile(configPath, writeConfig(gamePath, options, keptNetwork));
}

void MainWindow::lookupInstallPath()
{
    registryGamePath = installedGamePath(*OsInterface::instance());
}

void MainWindow::collectNetworks()
{
    const std::vector<NetworkEntry> found = networkEntries(hostInterfaces());
    networks.insert(networks.end(), found.begin(), found.end());
}

QString MainWindow::findHamachiIP() const
{
    return hamachiAddress(networks);
}

QString MainWindow::systemDirectory() const
{
    return ::systemDirectory(*OsInterface::instance());
}

bool MainWindow::isForceBindIPInstalled() const
{
    return isForceBindIPIn(systemDirectory());
}

bool MainWindow::installForceBindIP()
{
    return ::installForceBindIP(*OsInterface::instance(), appDir, launchFacts.bitness);
}

bool MainWindow::detectOsVersion()
{
    int platformId = 0;
    int majorVersion = 0;
    if (!OsInterface::instance()->queryVersion(platformId, majorVersion))
        return false;
    osVersionLevel = versionLevel(platformId, majorVersion);
    return true;
}

bool MainWindow::setCompatibilityLayers()
{
    // Windows finds the layers by the program's full path in any letters, so
    // the name goes through the wide calls; the layers the user set stay.
    OsInterface& os = *OsInterface::instance();
    const std::u16string name = launchPath.toStdU16String();
    std::u16string existing;
    os.readUserString(Registry::LayersKey, name, existing);
    const QString layers = compatibilityLayers(QString::fromStdU16String(existing), options.runAsAdministrator != 0);
    return os.writeUserString(Registry::LayersKey, name, layers.toStdU16String());
}

int MainWindow::addFirewallExceptions()
{
    return addFirewallRules(systemDirectory(), launchPath);
}

bool MainWindow::runPaletteTricks()
{
    displayProcess.start(systemProgram(systemDirectory(), QStringLiteral("rundll32.exe")),
                         {QStringLiteral("shell32.dll,Control_RunDLL"), QStringLiteral("desk.cpl")});
    return activateDisplaySettings(*OsInterface::instance(), [this](int ms) {
        return displayProcess.state() != QProcess::NotRunning && !displayProcess.waitForFinished(ms);
    });
}

void MainWindow::onBrowse()
{
    const QString path = fileDialog()->getOpenFileName(this, tr("Browse for Starcraft.exe"), QString(),
                                                       tr("Executable (*.exe)"));
    if (path.isEmpty() || !isValidPath(path))
        return;
    // The dialog hands out forward slashes; Windows users read and pass backslashes.
    gamePath = QDir::toNativeSeparators(path);
    ui->leSCPath->setText(gamePath);
}

void MainWindow::onClose()
{
    const QString path = gameFile(cleanGamePath(ui->leSCPath->text(), *OsInterface::instance()), windows64);
    if (isValidPath(path)) {
        gamePath = path;
        saveConfig();
    }
    close();
}

void MainWindow::onLaunch()
{
    if (launch())
        close();
}

bool MainWindow::launchAtStart()
{
    // Bound to another network than the one kept, the game would not find
    // the player's friends: the window shows, saying which one is gone.
    if (keptNetworkGone)
        return false;
    // With no network at all, Launch is disabled: say so rather than nothing.
    if (!ui->btnLaunch->isEnabled()) {
        statusBar()->showMessage(tr("There is no network to bind the game to."), 0);
        return false;
    }
    return launch();
}

bool MainWindow::launch()
{
    readOptionBoxes();
    QString address;
    QStringList warnings;
    // The game tells which ForceBindIP it needs; what needs rights comes
    // before anything is written, the settings and the game's start after.
    if (!checkTarget(address) || !checkForceBindIP() || !checkRights() || !runRightsSteps(warnings))
        return false;
    prepareLaunch(warnings);
    return startGame(address, warnings);
}

void MainWindow::readOptionBoxes()
{
    // Disabled boxes (before Vista) keep the flags as loaded.
    for (const auto& [box, flag] : optionBoxes()) {
        if (box->isEnabled())
            *flag = box->isChecked() ? 1 : 0;
    }
}

void MainWindow::stopLaunch(const QString& message)
{
    // The message stays in the status bar; the tool tip shows what a narrow
    // window cuts off.
    statusBar()->showMessage(message, 0);
    statusBar()->setToolTip(message);
}

bool MainWindow::checkForceBindIP()
{
    installNeeded = false;
    if (launchFacts.bitness == Bitness::X64)
        return checkForceBindIP64();
    if (forceBindIPInstalled)
        return true;
    // Half an install would leave a program without its library; a file
    // already in the system folder needs no copy.
    const QString missing = missingForceBindIPFile({appDir, systemDirectory()});
    if (!missing.isEmpty()) {
        stopLaunch(tr("%1 is missing: ForceBindIP.exe and BindIP.dll belong beside %2.")
                       .arg(missing, QFileInfo(appPath).fileName()));
        return false;
    }
    installNeeded = true;
    return true;
}

bool MainWindow::checkForceBindIP64()
{
    if (!launchFacts.windows64) {
        stopLaunch(tr("This game is a 64-bit program, and this Windows is 32-bit: it cannot run here."));
        return false;
    }
    const QString native = launchFacts.nativeSystemDir;
    if (isForceBindIPIn(native, Bitness::X64) || isForceBindIPIn(launchFacts.systemDir, Bitness::X64))
        return true;
    if (!missingForceBindIPFile({appDir, native}, Bitness::X64).isEmpty()) {
        // Beside the launcher is enough: the install copies them on. The
        // system folder is left unnamed so that the message fits the status bar.
        stopLaunch(tr("A 64-bit game needs ForceBindIP64.exe and BindIP64.dll beside %1.")
                       .arg(QFileInfo(appPath).fileName()));
        return false;
    }
    installNeeded = true;
    return true;
}

bool MainWindow::checkRights()
{
    OsInterface& os = *OsInterface::instance();
    std::vector<OsInterface::FirewallRule> rules;
    // A launch whose rules are in place runs no netsh at all.
    rulesWanted = vistaOrLater && options.firewallException != 0
                  && !(os.firewallRules(rules) && firewallRulesInPlace(rules, launchPath));
    // Windows starts a RUNASADMIN game elevated, which only an elevated ForceBindIP may do.
    elevatedStart = vistaOrLater && options.compatibility != 0 && options.runAsAdministrator != 0 && !os.isElevated();
    // The elevated copy would not find the game on a drive the user mapped.
    const char drive = (rulesWanted && !os.isElevated()) || elevatedStart ? networkDrive(os, launchPath) : 0;
    if (drive) {
        stopLaunch(tr("Elevated Velkaro cannot see mapped drive %1:. Use a local or \\\\server\\share path.")
                       .arg(QLatin1Char(drive)));
        return false;
    }
    return true;
}

bool MainWindow::runRightsSteps(QStringList& warnings)
{
    if (!installNeeded && !rulesWanted)
        return true;
    using Elevation = OsInterface::Elevation;
    Elevation asked = Elevation::Ran;
    ElevatedResult result;
    if (OsInterface::instance()->isElevated()) {
        // Rights already: everything here, as the user started it.
        result.installed = installNeeded && installForceBindIP();
        result.rulesRefused = rulesWanted && (result.installed || !installNeeded) ? addFirewallExceptions() : 0;
    } else {
        ElevatedWork work;
        work.install = installNeeded;
        work.installBitness = launchFacts.bitness;
        work.rules = rulesWanted;
        work.game = launchPath;
        asked = runElevatedCopy(work, result);
    }
    if (installNeeded && !result.installed) {
        stopLaunch(asked == Elevation::Declined
                       ? tr("ForceBindIP was not installed: the administrator rights it needs were declined.")
                       : tr("Unable to install forceBindIP. Make sure for running app with Administrative privileges."));
        return false;
    }
    if (installNeeded && launchFacts.bitness == Bitness::X86) {
        // Installed now: a second launch in this run must not copy again.
        forceBindIPInstalled = true;
        ui->cbForceBindIP->setChecked(true);
    }
    if (rulesWanted && asked == Elevation::Declined)
        warnings << tr("Firewall rules not added: the administrator rights they need were declined.");
    else if (rulesWanted && result.rulesRefused != 0)
        warnings << tr("Firewall rules refused (netsh: %1).").arg(exitCodeText(quint32(result.rulesRefused)));
    return true;
}

OsInterface::Elevation MainWindow::runElevatedCopy(ElevatedWork work, ElevatedResult& result)
{
    // The copy reports into a file made here, which it may only write to.
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/velkaro-XXXXXX.result"));
    if (!file.open())
        return OsInterface::Elevation::Failed;
    file.close();
    work.resultFile = QDir::toNativeSeparators(file.fileName());
    std::uint32_t code = 0;
    const OsInterface::Elevation asked = OsInterface::instance()->runElevated(
        QDir::toNativeSeparators(appPath).toStdU16String(),
        windowsCommandLine(elevatedWorkArguments(work)).toStdU16String(), code);
    if (asked != OsInterface::Elevation::Ran)
        return asked;
    if (code != ElevatedDone || !file.open())
        return OsInterface::Elevation::Failed;
    result = readElevatedResult(file.readAll());
    return asked;
}

bool MainWindow::checkTarget(QString& address)
{
    OsInterface& os = *OsInterface::instance();
    launchPath = gameFile(cleanGamePath(ui->leSCPath->text(), os), windows64);

    if (ui->rbHamachi->isChecked()) {
        address = hamachiIP;
    } else {
        const int index = ui->cbNetworks->currentIndex();
        if (index < 0)
            return false;
        address = networks.at(static_cast<std::size_t>(index)).ip;
    }
    // Bound to no address, the game would start as if nothing had been asked.
    if (address.isEmpty()) {
        stopLaunch(tr("The chosen network has no address. Pick a connected one."));
        return false;
    }

    if (!isValidPath(launchPath)) {
        if (const char drive = hiddenMappedDrive(os, launchPath))
            stopLaunch(tr("Elevated Velkaro cannot see mapped drive %1:. Use a local or \\\\server\\share path.")
                           .arg(QLatin1Char(drive)));
        else
            stopLaunch(tr("There is no game at this path. Pick the game's .exe with \"...\"."));
        return false;
    }
    // ForceBindIP can only start a program.
    if (QFileInfo(launchPath).isDir()) {
        stopLaunch(tr("The folder holds no starcraft.exe. Pick the game's .exe with \"...\"."));
        return false;
    }
    // The field shows what runs: the file a folder stood for, the path as Windows resolves it.
    ui->leSCPath->setText(launchPath);
    launchFacts = gameFacts(os, launchPath);
    return true;
}

void MainWindow::prepareLaunch(QStringList& warnings)
{
    // From here the launch goes on; what went wrong on the way is told at its end.
    gamePath = launchPath;
    // Hamachi is found by its name at every start; a list choice is kept.
    keptNetwork = ui->rbHamachi->isChecked() ? QString()
                                             : networks.at(static_cast<std::size_t>(ui->cbNetworks->currentIndex())).name;
    if (!saveConfig())
        warnings.prepend(tr("Settings not saved to %1.").arg(configPath));
    // Started from a shortcut, the window has not shown and stays so.
    if (isVisible())
        showMinimized();

    if (vistaOrLater && options.compatibility != 0) {
        setCompatibilityLayers();
        if (options.paletteTricks != 0)
            runPaletteTricks();
    }
}

bool MainWindow::startGame(const QString& address, QStringList warnings)
{
    ForceBindIPRun run;
    if (elevatedStart) {
        ElevatedWork work;
        work.start = true;
        work.game = launchPath;
        work.address = address;
        ElevatedResult result;
        const OsInterface::Elevation asked = runElevatedCopy(work, result);
        if (asked == OsInterface::Elevation::Declined) {
            showNormal();
            stopLaunch(tr("The game was not started: \"Run as Administrator\" needs administrator rights, which were declined."));
            return false;
        }
        run = result.run;
        run.failedToStart = asked != OsInterface::Elevation::Ran || !result.ran || run.failedToStart;
    } else {
        run = runForceBindIP(*OsInterface::instance(), launchPath, address, launchFacts, [](int ms) {
            // Windows' own messages keep the minimised window answering meanwhile;
            // the user's wait, so that no second launch begins inside this one.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            QThread::msleep(static_cast<unsigned long>(ms));
        });
    }
    if (run.failedToStart) {
        showNormal();
        stopLaunch(tr("Could not start %1.").arg(gameStart(launchPath, address, launchFacts).program));
        return false;
    }
    const quint32 code = run.exitCode;
    const bool crashed = run.crashed;
    const bool started = run.gameStarted;
    if (!started) {
        showNormal();
        warnings.prepend(crashed     ? tr("ForceBindIP crashed (%1); the game did not start.").arg(exitCodeText(code))
                         : code != 0 ? tr("The game did not start or did not stay running (ForceBindIP: %1).")
                                           .arg(exitCodeText(code))
                                     : tr("The game did not start or did not stay running."));
    } else if (crashed) {
        warnings.prepend(tr("ForceBindIP crashed (%1) after starting the game; it may run unbound.")
                             .arg(exitCodeText(code)));
    }
    // What went wrong stays in the status bar; over a running game the
    // window stays minimised, on the taskbar.
    if (!warnings.isEmpty()) {
        // A launch from a shortcut shows the window there too.
        if (!isVisible())
            showMinimized();
        stopLaunch(warnings.join(QLatin1Char(' ')));
        return false;
    }
    return true;
}

void MainWindow::onAbout()
{
    DlgAbout dialog(this);
    dialog.exec();
}
