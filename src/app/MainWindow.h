#ifndef VELKARO_MAINWINDOW_H
#define VELKARO_MAINWINDOW_H

#include <QMainWindow>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "Network.h"
#include "Settings.h"

class QCheckBox;
struct MainWindowForm;

// The launcher window and the one controller of a run: it gathers everything
// once at start and answers the four buttons. Each operation is a short call
// into the settings, network and system code, which knows nothing of windows.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QString programPath, QWidget* parent = nullptr);
    ~MainWindow() override;

    bool isValidPath(const QString& path) const;

    // Settings file beside the executable, or the user's own.
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
    // 0, or the exit code of the first netsh that refused a rule.
    int addFirewallExceptions();
    bool runPaletteTricks();

    // The launch a Launch press runs, before the window has shown: true when
    // the game was started; false when it stopped, the reason in the status bar.
    bool launchAtStart();

private slots:
    void onClose();
    void onLaunch();
    void onBrowse();
    void onAbout();

private:
    // A Launch press: true when the game was started. Its steps, in order;
    // each that stops says why in the status bar.
    bool launch();
    void readOptionBoxes();
    // The game file and the address to bind it to, both checked.
    bool checkTarget(QString& address);
    // Whether the ForceBindIP the game needs must be installed, and can be.
    bool checkForceBindIP();
    bool checkForceBindIP64();
    // Which steps need rights: the rules not in place, a game that runs as
    // administrator from an unelevated launcher; a game the elevated side
    // cannot see stops here.
    bool checkRights();
    // The install and the rules: here when elevated, else through one prompt.
    bool runRightsSteps(QStringList& warnings);
    // The work done by a copy of the launcher that Windows starts elevated.
    OsInterface::Elevation runElevatedCopy(ElevatedWork work, ElevatedResult& result);
    // The settings saved, the window minimised, the layers and the applet, as
    // the user; what went wrong on the way, to tell at the end.
    void prepareLaunch(QStringList& warnings);
    // ForceBindIP run, through a prompt for a game that runs as
    // administrator, and the game's start confirmed.
    bool startGame(const QString& address, QStringList warnings);
    void stopLaunch(const QString& message);
    // The four option boxes with the flags they show, in their order.
    std::array<std::pair<QCheckBox*, std::int32_t*>, 4> optionBoxes();

    MainWindowForm* ui = nullptr;
    QString appPath;
    QString appDir;
    bool forceBindIPInstalled = false;
    QString registryGamePath;
    QString hamachiIP;
    QProcess displayProcess;
    ConfigPlaces configPlaces;
    // The file the last save went to.
    QString configPath;
    QString gamePath;
    LaunchOptions options;
    // The interface name of the network the last list launch used; empty for none.
    QString keptNetwork;
    // A network was kept but is not in the list with an address.
    bool keptNetworkGone = false;
    QString launchPath;
    GameFacts launchFacts;
    bool installNeeded = false;
    bool rulesWanted = false;
    bool elevatedStart = false;
    bool windows64 = false;
    bool vistaOrLater = false;
    // 0 until a version query answers: an unknown system counts as pre-Vista.
    std::int32_t osVersionLevel = 0;
    std::vector<NetworkEntry> networks;
};

#endif // VELKARO_MAINWINDOW_H
