#ifndef VELKARO_MAINWINDOW_H
#define VELKARO_MAINWINDOW_H

#include <QMainWindow>
#include <QProcess>
#include <QString>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "NetworkEntry.h"

class QCheckBox;
struct MainWindowForm;

// The four launch options; 0 is off, any other value on. Kept as integers
// because the settings file may hold any number and gets it back unchanged.
struct LaunchOptions
{
    std::int32_t firewallException = 1;
    std::int32_t compatibility = 1;
    std::int32_t paletteTricks = 1;
    std::int32_t runAsAdministrator = 1;
};

// The launcher window and the one controller of a run: it gathers everything
// once at start and answers the four buttons.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QString programPath, QWidget* parent = nullptr);
    ~MainWindow() override;

    bool isValidPath(const QString& path) const;

    // Settings file beside the executable.
    bool loadConfig();
    bool saveConfig();
    // Default game path from the game's registry entry.
    void lookupInstallPath();

    // Network survey.
    void collectNetworks();
    QString findHamachiIP() const;

    // ForceBindIP files in the system directory.
    QString systemDirectory() const;
    bool isForceBindIPInstalled() const;
    bool installForceBindIP();

    // Preparations run at launch on Vista and later.
    bool detectOsVersion();
    bool setCompatibilityLayers();
    void addFirewallExceptions();
    bool runPaletteTricks();

private slots:
    void onClose();
    void onLaunch();
    void onBrowse();
    void onAbout();

private:
    // The four option boxes with the flags they show, in their order.
    std::array<std::pair<QCheckBox*, std::int32_t*>, 4> optionBoxes();

    MainWindowForm* ui = nullptr;
    QString appPath;
    QString appDir;
    bool forceBindIPInstalled = false;
    QString registryGamePath;
    QString hamachiIP;
    QProcess displayProcess;
    QString configPath;
    QString gamePath;
    LaunchOptions options;
    QString launchPath;
    bool vistaOrLater = false;
    // 0 until a version query answers: an unknown system counts as pre-Vista.
    std::int32_t osVersionLevel = 0;
    std::vector<NetworkEntry> networks;
};

#endif // VELKARO_MAINWINDOW_H
