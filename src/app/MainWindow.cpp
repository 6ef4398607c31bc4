#include "MainWindow.h"

#include "FileDialog.h"
#include "MainWindowForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

MainWindow::MainWindow(QString programPath, QWidget* parent)
    : QMainWindow(parent)
    , ui(new MainWindowForm)
{
    ui->setupForm(this);

    appPath = QDir().absoluteFilePath(programPath);
    // A backslash is an ordinary file-name character outside Windows, so the
    // folder ends in the platform's own separator.
    appDir = QFileInfo(appPath).path() + QDir::separator();
    configPath = appDir + QStringLiteral("config.txt");

    detectOsVersion();
    vistaOrLater = osVersionLevel > 5;
    ui->cbVistaPlus->setChecked(vistaOrLater);

    forceBindIPInstalled = isForceBindIPInstalled();
    ui->cbForceBindIP->setChecked(forceBindIPInstalled);

    lookupInstallPath();
    const bool configRead = loadConfig();
    ui->leSCPath->setText(configRead ? gamePath : registryGamePath);

    for (const auto& [box, flag] : optionBoxes())
        box->setEnabled(vistaOrLater);
    if (vistaOrLater) {
        for (const auto& [box, flag] : optionBoxes())
            box->setChecked(*flag != 0);
    }

    collectNetworks();
    if (networks.empty()) {
        ui->rbHamachi->setEnabled(false);
        ui->rbSelNetwork->setEnabled(false);
        ui->btnLaunch->setEnabled(false);
    } else {
        for (const NetworkEntry& entry : networks)
            ui->cbNetworks->insertItem(ui->cbNetworks->count(), entry.displayText);
        hamachiIP = findHamachiIP();
        ui->leHamachiIP->setText(hamachiIP);
        if (!hamachiIP.isEmpty()) {
            ui->rbHamachi->setChecked(true);
            ui->rbSelNetwork->setChecked(false);
        } else {
            ui->rbHamachi->setChecked(false);
            ui->rbHamachi->setEnabled(false);
            ui->rbSelNetwork->setChecked(true);
        }
    }

    // On pressed, not clicked: a button acts the moment it goes down.
    connect(ui->btnCancel, &QPushButton::pressed, this, &MainWindow::onClose);
    connect(ui->btnLaunch, &QPushButton::pressed, this, &MainWindow::onLaunch);
    connect(ui->btnBrowse, &QPushButton::pressed, this, &MainWindow::onBrowse);
    connect(ui->btnAbout, &QPushButton::pressed, this, &MainWindow::onAbout);
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
    return path.length() >= 2 && QFile::exists(path);
}

void MainWindow::onBrowse()
{
    const QString path = fileDialog()->getOpenFileName(this, tr("Browse for Starcraft.exe"), QString(),
                                                       tr("Executable (*.exe)"));
    if (path.isEmpty() || !isValidPath(path))
        return;
    gamePath = path;
    ui->leSCPath->setText(gamePath);
}

void MainWindow::onClose()
{
    const QString path = ui->leSCPath->text();
    if (isValidPath(path)) {
        gamePath = path;
        saveConfig();
    }
    close();
}

void MainWindow::onLaunch()
{
    // Disabled boxes (before Vista) keep the flags as loaded.
    for (const auto& [box, flag] : optionBoxes()) {
        if (box->isEnabled())
            *flag = box->isChecked() ? 1 : 0;
    }

    if (!forceBindIPInstalled) {
        if (!installForceBindIP()) {
            statusBar()->showMessage(
                tr("Unable to install forceBindIP. Make sure for running app with Administrative privileges."), 0);
            return;
        }
        // Installed now: a second launch in this run must not copy again.
        forceBindIPInstalled = true;
        ui->cbForceBindIP->setChecked(true);
    }

    launchPath = ui->leSCPath->text();

    QString address;
    if (ui->rbHamachi->isChecked()) {
        address = hamachiIP;
    } else {
        const int index = ui->cbNetworks->currentIndex();
        if (index < 0)
            return;
        address = networks.at(static_cast<std::size_t>(index)).ip;
    }

    if (!isValidPath(launchPath))
        return;

    gamePath = launchPath;
    saveConfig();
    showMinimized();

    if (vistaOrLater) {
        if (options.firewallException != 0)
            addFirewallExceptions();
        // The layers value carries run-as-administrator too, so either option writes it.
        if (options.compatibility != 0 || options.runAsAdministrator != 0)
            setCompatibilityLayers();
        if (options.compatibility != 0 && options.paletteTricks != 0)
            runPaletteTricks();
    }

    QProcess::execute(QStringLiteral("forcebindip"), {address, launchPath});
    close();
}
