// The launch sequence on the real window, with stand-ins for the programs it starts.
// The stand-ins, the fake OS and the window's minimising all append to one log,
// so that one list tells the order of everything a launch did, and what config.txt
// held at each step outside the launcher.
#include "FakeOs.h"
#include "MainWindow.h"
#include "TestFiles.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

#include <signal.h>

using L = QStringList;

namespace {

// What config.txt must hold; flags: firewall, compatibility, palette, administrator.
QByteArray saved(const QString& path, const QString& f = "1111")
{
    return ("PATH=" + path + "\nFIREWALL_EXCEPTION=" + f[0] + "\nCOMPABILITY=" + f[1] + "\nPALETTE=" + f[2]
            + "\nADMINISTRATOR=" + f[3] + '\n')
        .toLatin1();
}

} // namespace

class TestLaunch : public QObject
{
    Q_OBJECT

    QTemporaryDir stubs;
    std::unique_ptr<QTemporaryDir> tmp;
    std::unique_ptr<FakeOs> os;
    std::unique_ptr<MainWindow> w;
    QString appDir, game;
    qint64 appletPid = 0;

    template <typename T> T* child(const char* name) { return w->findChild<T*>(QLatin1String(name)); }
    QString touch(const QString& relative, const QByteArray& content = {})
    {
        return writeFile(tmp->filePath(relative), content);
    }
    void open(const QString& path)
    {
        w = std::make_unique<MainWindow>(appDir + "velkaro");
        child<QLineEdit>("leSCPath")->setText(path);
        w->show();
        connect(w->windowHandle(), &QWindow::windowStateChanged, [this](Qt::WindowState state) {
            if (state == Qt::WindowMinimized) // logged the way a stand-in logs its run
                os->record("minimised\t-\t+" + QString::fromLatin1(readFile(appDir + "config.txt").toBase64()));
        });
    }
    // Chooses a record of the list: its address, none for a "NOT connected" one. The Hamachi box's text never counts.
    QString choose(int index)
    {
        child<QRadioButton>("rbSelNetwork")->setChecked(true);
        child<QComboBox>("cbNetworks")->setCurrentIndex(index);
        child<QLineEdit>("leHamachiIP")->setText("10.9.8.7");
        return child<QComboBox>("cbNetworks")->currentText().section(" | ", -1).remove("NOT connected");
    }
    // Launches, then reads the log: a run as "name|argument|...", marked if config.txt did not then hold `config`.
    QStringList launch(const QByteArray& config)
    {
        emit child<QPushButton>("btnLaunch")->pressed();
        QStringList entries;
        for (QByteArray line : readFile(os->logPath).split('\n')) {
            const QByteArrayList f = line.split('\t');
            if (f.size() > 2) {
                if (f[0] == "rundll32.exe")
                    appletPid = f[1].toLongLong();
                line = (f[2] == '+' + config.toBase64() ? "" : "before config.txt: ") + f[0];
                for (const QByteArray& arg : f.mid(3))
                    line += '|' + QByteArray::fromBase64(arg);
            }
            if (!line.isEmpty())
                entries << QString::fromLocal8Bit(line);
        }
        return entries;
    }

private slots:
    void initTestCase()
    {
        for (const QString name : {"forcebindip", "netsh", "rundll32.exe"}) // each under the name it plays
            QVERIFY(QFile::copy(STANDIN_SCRIPT, stubs.filePath(name))
                    && QFile::setPermissions(stubs.filePath(name), QFile::ReadOwner | QFile::ExeOwner));
        qputenv("PATH", QFile::encodeName(stubs.path()) + ':' + qgetenv("PATH"));
    }
    void init()
    {
        tmp = std::make_unique<QTemporaryDir>();
        appDir = tmp->filePath("app/");
        game = touch("game/starcraft.exe");
        touch("app/ForceBindIP.exe");
        touch("app/BindIP.dll");
        os = std::make_unique<FakeOs>();
        os->systemDir = tmp->filePath("app").toStdString(); // ForceBindIP installed where it lies
        os->logPath = tmp->filePath("log");
        qputenv("STANDIN_LOG", QFile::encodeName(os->logPath));
        qputenv("STANDIN_CONFIG", QFile::encodeName(appDir + "config.txt"));
    }
    void cleanup()
    {
        w.reset(); // ends the applet
        os.reset();
        tmp.reset();
    }

    void launches_data()
    {
        QTest::addColumn<QString>("file"); // under the temporary folder, made unless "missing.exe" or one character
        // Ticked and saved: firewall, compatibility, palette, administrator. Before Vista the boxes are disabled,
        // so the flags are saved as loaded, PALETTE=7 included, and the ticks must not count.
        QTest::addColumn<QString>("flags");
        // %1: the game's path; the forcebindip run follows. None: the launch stops. The one window up
        // is the one to activate.
        QTest::addColumn<QStringList>("expected");
        const QString exe = "game/starcraft.exe";
        auto netsh = [](QString args) { return "netsh|" + args.replace(' ', '|'); };
        const L firewall{
            "minimised",
            netsh(
                "firewall add allowedprogram program = %1 name = StarCraft993 mode = ENABLE scope = ALL profile = ALL"),
            netsh("firewall add portopening protocol = ALL port = 6112 name = StarCraftTCPUDP scope = ALL")};
        const L applet{"rundll32.exe|shell32.dll,Control_RunDLL|desk.cpl", "sleep 500", "find Display Properties"};
        const L all = firewall + L{"write %1=DISABLEDWM HIGHDPIAWARE RUNASADMIN"} + applet;
        QTest::newRow("all, Display Properties up") << exe << "1111" << all + L{"activate Display Properties"};
        QTest::newRow("all, Display Settings up")
            << exe << "1111" << all + L{"find Display Settings", "activate Display Settings"};
        QTest::newRow("compatibility and palette, no applet window")
            << exe << "0110"
            << L{"minimised", "write %1=DISABLEDWM HIGHDPIAWARE"} + applet + L{"find Display Settings"};
        QTest::newRow("compatibility alone") << exe << "0100" << L{"minimised", "write %1=DISABLEDWM HIGHDPIAWARE"};
        QTest::newRow("palette without compatibility") << exe << "0011" << L{"minimised", "write %1=RUNASADMIN"};
        QTest::newRow("nothing") << exe << "0000" << L{"minimised"};
        // The path must reach every program as exactly one argument, typed as it is.
        for (const char* file :
             {"Star Craft/Star Craft.exe", "the \"best\" game.exe", "it's a\\ \"game\\\".exe", "Star  Craft.exe "})
            QTest::newRow(file) << file << "1100" << firewall + L{"write %1=DISABLEDWM HIGHDPIAWARE"};
        // Stops: config.txt, the window and the programs left alone.
        for (const char* file : {"", "/", "missing.exe"})
            QTest::newRow(qPrintable(QString("path '%1'").arg(file))) << file << "1111" << L();
        QTest::newRow("no list item") << exe << "1111" << L();
        QTest::newRow("failed install") << exe << "1111" << L();
        QTest::newRow("before Vista, ForceBindIP installed first") << exe << "1171" << L{"minimised"};
    }
    void launches()
    {
        QFETCH(QString, file);
        QFETCH(QString, flags);
        QFETCH(QStringList, expected);
        const QByteArray original = "PATH=" + game.toLatin1() + "\n  PALETTE = 7\nunknown line\n";
        touch("app/config.txt", original);
        const QString tag = QTest::currentDataTag();
        if (tag.startsWith("before Vista"))
            os->playWindowsXp();
        if (tag.contains("install")) // the files lie beside the launcher alone
            os->systemDir = tmp->filePath(tag == "failed install" ? "missing" : "game").toStdString();
        os->windowTitles = expected.filter("activate ").replaceInStrings("activate ", "");
        const QString path = file.size() < 2 ? file : file == "missing.exe" ? tmp->filePath(file) : touch(file);
        open(path);
        const char* boxes[] = {"cbFirewallException", "cbCompabilityParams", "cbPaletteTricks", "cbAdministrator"};
        for (int i = 0; i < 4; ++i)
            child<QCheckBox>(boxes[i])->setChecked(flags[i] == '1');
        const QString address = choose(tag == "no list item" ? -1 : 0);
        if (!expected.isEmpty())
            expected << "forcebindip|" + address + "|%1";
        const QByteArray config = expected.isEmpty() ? original : saved(path, flags);

        QCOMPARE(launch(config), expected.replaceInStrings("%1", path));
        QCOMPARE(readFile(appDir + "config.txt"), config);
        QCOMPARE(w->isVisible(), expected.isEmpty());
        QCOMPARE(child<QStatusBar>("statusBar")->currentMessage().isEmpty(), tag != "failed install");
        // The display applet lives as long as the launcher window, not longer.
        if (expected.contains("sleep 500")) {
            QVERIFY2(::kill(pid_t(appletPid), 0) == 0, "the applet should outlive the launch while the window exists");
            w.reset();
            QTRY_VERIFY_WITH_TIMEOUT(::kill(pid_t(appletPid), 0) != 0, 2000);
        }
    }

    // Each record this machine lists, "NOT connected" ones too.
    void addressOfChosenListItem()
    {
        os->playWindowsXp();
        int index = 0;
        do {
            QFile::remove(os->logPath);
            open(game);
            const QString run = "forcebindip|" + choose(index) + '|' + game;
            QCOMPARE(launch(saved(game)), (L{"minimised", run}));
        } while (++index < child<QComboBox>("cbNetworks")->count());
    }

    void hamachiAddressFoundAtStart()
    {
        os->playWindowsXp();
        open(game);
        auto* list = child<QComboBox>("cbNetworks");
        const int hamachi = list->findText("Hamachi | ", Qt::MatchStartsWith | Qt::MatchCaseSensitive);
        const QString ip = list->itemText(hamachi).section(" | ", -1);
        if (hamachi < 0 || ip == "NOT connected")
            QSKIP("no interface named Hamachi with an IPv4 address here");
        child<QLineEdit>("leHamachiIP")->setText("10.9.8.7"); // typing never counts
        list->setCurrentIndex((hamachi + 1) % list->count());
        QCOMPARE(launch(saved(game)), (L{"minimised", "forcebindip|" + ip + '|' + game}));
    }
};

QTEST_MAIN(TestLaunch)
#include "TestLaunch.moc"
