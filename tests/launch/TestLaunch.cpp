// The launch sequence on the real window, with stand-ins for the programs it starts.
#include "FakeOs.h"
#include "MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QNetworkInterface>
#include <QPointer>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>

#include <signal.h>

namespace {

// One run of a stand-in as it logged it: name, pid, config.txt as it then was (empty when absent), arguments.
struct Run
{
    QString name;
    qint64 pid = 0;
    QByteArray config;
    QStringList args;
};

QList<Run> readRuns(const QString& log)
{
    QList<Run> runs;
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly))
        return runs;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() < 3)
            continue;
        Run run{QString::fromUtf8(fields[0]), fields[1].toLongLong(), QByteArray::fromBase64(fields[2].mid(1)), {}};
        for (int i = 3; i < fields.size(); ++i)
            run.args << QString::fromLocal8Bit(QByteArray::fromBase64(fields[i]));
        runs << run;
    }
    return runs;
}

// Merges the stand-ins' runs into `calls` as "run <name>", so that one list tells
// the order of everything the launch did, and notes OS calls made too early.
// Window lookups follow the pause at once, so looking at the pause covers them.
class ObservedOs : public FakeOs
{
public:
    QString log, config;
    QPointer<QWidget> window;
    int collected = 0;

    void collect()
    {
        const QList<Run> runs = readRuns(log);
        for (; collected < runs.size(); ++collected)
            calls << QStringLiteral("run ") + runs[collected].name;
    }
    void checkpoint()
    {
        if (!QFile::exists(config))
            calls << QStringLiteral("config.txt not saved yet");
        if (window && !(window->windowState() & Qt::WindowMinimized))
            calls << QStringLiteral("window not minimised yet");
        collect();
    }
    bool writeUserString(const std::string& key, const std::string& name, const std::string& data) override
    {
        checkpoint();
        return FakeOs::writeUserString(key, name, data);
    }
    void sleepMs(unsigned ms) override
    {
        // The applet was started without waiting: let it log, as the real pause lets it show up.
        QElapsedTimer timer;
        timer.start();
        while (readRuns(log).size() == collected && timer.elapsed() < 3000)
            QThread::msleep(10);
        checkpoint();
        FakeOs::sleepMs(ms);
    }
};

QByteArray savedConfig(const QString& path, const QVector<int>& f)
{
    auto n = [&](int i) { return QString::number(f[i]); };
    return QStringLiteral("PATH=%1\nFIREWALL_EXCEPTION=%2\nCOMPABILITY=%3\nPALETTE=%4\nADMINISTRATOR=%5\n")
        .arg(path, n(0), n(1), n(2), n(3))
        .toLatin1();
}

template <typename T> T* child(QWidget& w, const char* name)
{
    return w.findChild<T*>(QLatin1String(name));
}

} // namespace

class TestLaunch : public QObject
{
    Q_OBJECT

    QTemporaryDir stubs;
    QByteArray oldPath;
    std::unique_ptr<QTemporaryDir> tmp;
    std::unique_ptr<ObservedOs> os;
    QString appDir, configPath, game;

    static void touch(const QString& path)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile(path).open(QIODevice::WriteOnly);
    }
    void writeConfig(const QByteArray& content)
    {
        QFile file(configPath);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
    QByteArray readConfig() const
    {
        QFile file(configPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<absent>");
    }
    std::unique_ptr<MainWindow> openWindow(const QString& path)
    {
        auto w = std::make_unique<MainWindow>(appDir + QStringLiteral("/velkaro"));
        os->window = w.get();
        child<QLineEdit>(*w, "leSCPath")->setText(path);
        w->show();
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w.get()))
            qWarning("window never became active: F5 may go nowhere");
        return w;
    }
    void setOptions(QWidget& w, const QVector<int>& flags)
    {
        const char* names[] = {"cbFirewallException", "cbCompabilityParams", "cbPaletteTricks", "cbAdministrator"};
        for (int i = 0; i < 4; ++i)
            child<QCheckBox>(w, names[i])->setChecked(flags[i]);
    }
    QList<Run> launch(QWidget& w)
    {
        QTest::keyClick(&w, Qt::Key_F5);
        os->collect();
        return readRuns(os->log);
    }
    // What the chosen binding shows before any typing: "name | 1.2.3.4" or "name | NOT connected".
    static QString shownAddress(QWidget& w)
    {
        if (child<QRadioButton>(w, "rbHamachi")->isChecked())
            return child<QLineEdit>(w, "leHamachiIP")->text();
        const QString ip = child<QComboBox>(w, "cbNetworks")->currentText().section(QStringLiteral(" | "), -1);
        return ip == QLatin1String("NOT connected") ? QString() : ip;
    }

private slots:
    void initTestCase()
    {
        for (const char* name : {"forcebindip", "netsh", "rundll32.exe"}) {
            const QString target = stubs.filePath(QLatin1String(name));
            QVERIFY(QFile::copy(QStringLiteral(STANDIN_SCRIPT), target));
            QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        oldPath = qgetenv("PATH");
    }

    void init()
    {
        tmp = std::make_unique<QTemporaryDir>();
        appDir = tmp->filePath(QStringLiteral("app"));
        configPath = appDir + QStringLiteral("/config.txt");
        game = tmp->filePath(QStringLiteral("game/starcraft.exe"));
        touch(game);
        QDir().mkpath(appDir);
        // ForceBindIP installed at start unless a test says otherwise.
        const QString system = tmp->filePath(QStringLiteral("system"));
        touch(system + QStringLiteral("/ForceBindIP.exe"));
        touch(system + QStringLiteral("/BindIP.dll"));
        os = std::make_unique<ObservedOs>();
        os->systemDir = system.toStdString();
        os->log = tmp->filePath(QStringLiteral("runs.log"));
        os->config = configPath;
        qputenv("STANDIN_LOG", QFile::encodeName(os->log));
        qputenv("STANDIN_CONFIG", QFile::encodeName(configPath));
        qputenv("PATH", QFile::encodeName(stubs.path()) + ':' + oldPath);
    }

    void cleanup()
    {
        os.reset();
        tmp.reset();
        qputenv("PATH", oldPath);
    }

    void preparationsInOrder_data()
    {
        QTest::addColumn<QString>("file"); // the game, under the temporary folder
        QTest::addColumn<QVector<int>>("flags"); // firewall, compatibility, palette, administrator
        QTest::addColumn<QStringList>("windows");
        QTest::addColumn<QStringList>("expected"); // %1: the game's path
        const QString exe = QStringLiteral("game/starcraft.exe");
        const QStringList firewall{"run netsh", "run netsh"};
        const QStringList applet{"run rundll32.exe", "sleep 500", "find Display Properties"};
        const QStringList all = firewall + QStringList{"write %1=DISABLEDWM HIGHDPIAWARE RUNASADMIN"} + applet;
        const QStringList fbi{"run forcebindip"};
        QTest::newRow("all, Display Properties up")
            << exe << QVector<int>{1, 1, 1, 1} << QStringList{"Display Properties", "Display Settings"}
            << all + QStringList{"activate Display Properties"} + fbi;
        QTest::newRow("all, only Display Settings up")
            << exe << QVector<int>{1, 1, 1, 1} << QStringList{"Display Settings"}
            << all + QStringList{"find Display Settings", "activate Display Settings"} + fbi;
        QTest::newRow("compatibility and palette, no applet window")
            << exe << QVector<int>{0, 1, 1, 0} << QStringList()
            << QStringList{"write %1=DISABLEDWM HIGHDPIAWARE"} + applet + QStringList{"find Display Settings"} + fbi;
        QTest::newRow("compatibility alone") << exe << QVector<int>{0, 1, 0, 0} << QStringList{"Display Properties"}
                                             << QStringList{"write %1=DISABLEDWM HIGHDPIAWARE"} + fbi;
        QTest::newRow("palette without compatibility, administrator")
            << exe << QVector<int>{0, 0, 1, 1} << QStringList{"Display Properties"}
            << QStringList{"write %1=RUNASADMIN"} + fbi;
        QTest::newRow("firewall alone") << exe << QVector<int>{1, 0, 0, 0} << QStringList() << firewall + fbi;
        QTest::newRow("nothing") << exe << QVector<int>{0, 0, 0, 0} << QStringList() << fbi;
        // The path must reach every program as exactly one argument, typed as it is.
        const QStringList oneArgument = firewall + QStringList{"write %1=DISABLEDWM HIGHDPIAWARE"} + fbi;
        for (const char* file : {"Star Craft/Star Craft.exe", "the \"best\" game.exe", "it's a\\ \"game\\\".exe",
                                 "Star  Craft.exe "})
            QTest::newRow(file) << file << QVector<int>{1, 1, 0, 0} << QStringList() << oneArgument;
    }
    void preparationsInOrder()
    {
        QFETCH(QString, file);
        QFETCH(QVector<int>, flags);
        QFETCH(QStringList, windows);
        QFETCH(QStringList, expected);
        const QString path = tmp->filePath(file);
        touch(path);
        auto w = openWindow(path);
        setOptions(*w, flags);
        os->windowTitles = windows;
        const QString address = shownAddress(*w);
        const QList<Run> runs = launch(*w);

        QCOMPARE(os->calls, expected.replaceInStrings(QStringLiteral("%1"), path));
        const QByteArray saved = savedConfig(path, flags);
        QCOMPARE(readConfig(), saved);
        for (const Run& run : runs)
            QVERIFY2(run.config == saved, qPrintable(run.name + " ran before config.txt was saved"));
        if (flags[0]) {
            QCOMPARE(runs[0].args, QStringLiteral("firewall add allowedprogram program = %1 name = StarCraft993 "
                                                  "mode = ENABLE scope = ALL profile = ALL")
                                       .split(' ')
                                       .replaceInStrings(QStringLiteral("%1"), path));
            QCOMPARE(runs[1].args, QStringLiteral("firewall add portopening protocol = ALL port = 6112 "
                                                  "name = StarCraftTCPUDP scope = ALL")
                                       .split(' '));
        }
        QCOMPARE(runs.last().args, (QStringList{address, path}));
        QVERIFY(w->windowState() & Qt::WindowMinimized);
        QVERIFY(!w->isVisible());

        // The display applet lives as long as the launcher window, not longer.
        const auto applet =
            std::find_if(runs.begin(), runs.end(), [](const Run& run) { return run.name == "rundll32.exe"; });
        if (applet == runs.end())
            return;
        QCOMPARE(applet->args, (QStringList{"shell32.dll,Control_RunDLL", "desk.cpl"}));
        const auto pid = static_cast<pid_t>(applet->pid);
        QVERIFY2(::kill(pid, 0) == 0, "the applet should outlive the launch while the window exists");
        w.reset();
        QTRY_VERIFY_WITH_TIMEOUT(::kill(pid, 0) != 0, 2000);
    }

    void beforeVistaKeepsLoadedFlags()
    {
        os->playWindowsXp();
        writeConfig("PATH=" + game.toLatin1() + "\nFIREWALL_EXCEPTION=1\nCOMPABILITY=1\nPALETTE=2\nADMINISTRATOR=0\n");
        auto w = openWindow(game);
        QVERIFY(!child<QCheckBox>(*w, "cbPaletteTricks")->isEnabled());
        setOptions(*w, {0, 0, 0, 1}); // ticks on disabled boxes must not count
        const QList<Run> runs = launch(*w);

        QCOMPARE(os->calls, QStringList{"run forcebindip"});
        QCOMPARE(readConfig(), savedConfig(game, {1, 1, 2, 0}));
        QCOMPARE(runs[0].config, readConfig());
        QVERIFY(!w->isVisible());
    }

    void stopsLeaveEverything_data()
    {
        QTest::addColumn<QString>("path"); // "game", "missing": files under the temporary folder
        QTest::addColumn<bool>("noListItem");
        QTest::addColumn<bool>("install"); // ForceBindIP missing at start
        QTest::addColumn<QStringList>("besideLauncher");
        QTest::addColumn<bool>("withConfig");
        const QStringList none;
        for (bool withConfig : {false, true}) {
            const QString config = QLatin1String(withConfig ? ", config.txt present" : ", no config.txt");
            auto row = [&](const char* name) -> QTestData& { return QTest::newRow(qPrintable(name + config)); };
            row("empty path") << "" << false << false << none << withConfig;
            row("one-character path that exists") << "/" << false << false << none << withConfig;
            row("missing file") << "missing" << false << false << none << withConfig;
            row("no list item") << "game" << true << false << none << withConfig;
            row("nothing to install") << "game" << false << true << none << withConfig;
            row("half to install") << "game" << false << true << QStringList{"ForceBindIP.exe"} << withConfig;
        }
    }
    void stopsLeaveEverything()
    {
        QFETCH(QString, path);
        QFETCH(bool, noListItem);
        QFETCH(bool, install);
        QFETCH(QStringList, besideLauncher);
        QFETCH(bool, withConfig);
        const QByteArray original = "PATH=" + game.toLatin1() + "\n  PALETTE = 7\nunknown line\n";
        if (withConfig)
            writeConfig(original);
        if (install) {
            os->systemDir = tmp->filePath(QStringLiteral("empty")).toStdString();
            QDir().mkpath(QString::fromStdString(os->systemDir));
        }
        for (const QString& file : besideLauncher)
            touch(appDir + QLatin1Char('/') + file);
        auto w = openWindow(path == QLatin1String("game")      ? game
                            : path == QLatin1String("missing") ? tmp->filePath(path)
                                                               : path);
        if (noListItem) {
            child<QRadioButton>(*w, "rbSelNetwork")->setChecked(true);
            child<QComboBox>(*w, "cbNetworks")->setCurrentIndex(-1);
        }

        launch(*w);
        QCOMPARE(os->calls, QStringList());
        QCOMPARE(readConfig(), withConfig ? original : QByteArray("<absent>"));
        QVERIFY(w->isVisible());
        QVERIFY(!(w->windowState() & Qt::WindowMinimized));
        QCOMPARE(child<QStatusBar>(*w, "statusBar")->currentMessage(),
                 install ? QStringLiteral("Unable to install forceBindIP. Make sure for running app with "
                                          "Administrative privileges.")
                         : QString());
        QCOMPARE(child<QCheckBox>(*w, "cbForceBindIP")->isChecked(), !install);
    }

    void installsForceBindIPFirst()
    {
        const QString system = tmp->filePath(QStringLiteral("empty"));
        QDir().mkpath(system);
        os->systemDir = system.toStdString();
        os->playWindowsXp();
        touch(appDir + QStringLiteral("/ForceBindIP.exe"));
        touch(appDir + QStringLiteral("/BindIP.dll"));
        auto w = openWindow(game);
        QVERIFY(!child<QCheckBox>(*w, "cbForceBindIP")->isChecked());

        launch(*w);
        QCOMPARE(os->calls, QStringList{"run forcebindip"});
        QVERIFY(child<QCheckBox>(*w, "cbForceBindIP")->isChecked());
        QVERIFY(QFile::exists(system + QStringLiteral("/ForceBindIP.exe")));
        QVERIFY(QFile::exists(system + QStringLiteral("/BindIP.dll")));
    }

    // Each record this machine lists, whatever it has; the Hamachi box's text never counts.
    void addressOfChosenListItem()
    {
        os->playWindowsXp();
        const int count = child<QComboBox>(*openWindow(game), "cbNetworks")->count();
        QVERIFY(count > 0);
        for (int index = 0; index < count; ++index) {
            os->calls.clear();
            auto w = openWindow(game);
            child<QRadioButton>(*w, "rbSelNetwork")->setChecked(true);
            child<QComboBox>(*w, "cbNetworks")->setCurrentIndex(index);
            const QString address = shownAddress(*w);
            child<QLineEdit>(*w, "leHamachiIP")->setText(QStringLiteral("10.9.8.7"));
            const QList<Run> runs = launch(*w);
            QCOMPARE(os->calls, QStringList{"run forcebindip"});
            QCOMPARE(runs.last().args, (QStringList{address, game}));
        }
    }

    void hamachiAddressFoundAtStart()
    {
        QString found;
        for (const QNetworkAddressEntry& entry :
             QNetworkInterface::interfaceFromName(QStringLiteral("Hamachi")).addressEntries()) {
            if (found.isEmpty() && entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
                found = entry.ip().toString();
        }
        if (found.isEmpty())
            QSKIP("no interface named Hamachi with an IPv4 address here");
        os->playWindowsXp();
        auto w = openWindow(game);
        QVERIFY(child<QRadioButton>(*w, "rbHamachi")->isChecked());
        child<QLineEdit>(*w, "leHamachiIP")->setText(QStringLiteral("10.9.8.7"));
        auto* list = child<QComboBox>(*w, "cbNetworks");
        list->setCurrentIndex((list->findText(QStringLiteral("Hamachi | ") + found) + 1) % list->count());
        QCOMPARE(launch(*w).value(0).args, (QStringList{found, game}));
    }
};

QTEST_MAIN(TestLaunch)
#include "TestLaunch.moc"
