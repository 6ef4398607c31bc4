// The launcher window as a user meets it: start-up, keys, Browse, Cancel, About
// and the launch. Windows is faked, the programs a launch starts are stand-ins
// that log their runs, and the interfaces are the test's own, made in a private
// network namespace. The stand-ins, the fake OS and the window's minimising all
// append to one log, so that one list tells the order of what a launch did.
#include "ElevatedInstance.h"
#include "FakeOs.h"
#include "FileDialog.h"
#include "MainWindow.h"
#include "Translations.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

#include <cerrno>
#include <cstring>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

using L = QStringList;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("absent");
}

// lo, then "Hamachi" with an IPv4 address behind an IPv6 one, then its peer without any address.
const char* const WithHamachi = "link set lo up\n"
                                "link add Hamachi index 10 type veth peer name lan0 index 11\n"
                                "addr add 2001:db8::1/64 dev Hamachi nodad\n"
                                "addr add 25.1.2.3/8 dev Hamachi\n"
                                "link set Hamachi up";

// Replaces the namespace's interfaces with those the ip commands make, one per line.
void network(const QString& commands)
{
    for (const char* name : {"Hamachi", "ZeroTier0"})
        QProcess::execute("ip", {"link", "del", name});
    QProcess::execute("ip", {"link", "set", "lo", "down"});
    QProcess::execute("ip", {"addr", "flush", "dev", "lo"});
    for (const QString& command : commands.split('\n', Qt::SkipEmptyParts))
        QCOMPARE(QProcess::execute("ip", command.split(' ')), 0);
}

// The folder as Program Files to a standard user: no new file can be made there.
// A read-only bind mount, in the test's own mount namespace.
void readOnly(const QString& folder)
{
    const QByteArray path = QFile::encodeName(folder);
    mount_attr attributes{MOUNT_ATTR_RDONLY, 0, 0, 0};
    QVERIFY(mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) == 0
            && mount_setattr(AT_FDCWD, path.constData(), 0, &attributes, sizeof attributes) == 0);
}

const char* const OptionBoxes[] = {"cbFirewallException", "cbCompabilityParams", "cbPaletteTricks",
                                   "cbAdministrator"};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir stubs;
    std::unique_ptr<QTemporaryDir> tmp;
    std::unique_ptr<FakeOs> os;
    std::unique_ptr<MainWindow> w;
    QString appDir, game;

    template <typename T = QAbstractButton> T* child(const char* name) { return w->findChild<T*>(name); }
    void open(const QString& path = QString())
    {
        w = std::make_unique<MainWindow>(appDir + "velkaro");
        if (!path.isNull())
            child<QLineEdit>("leSCPath")->setText(path);
        w->show();
        w->activateWindow(); // shortcuts reach the active window only
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        // The platform may tell a state twice: a change counts.
        connect(w->windowHandle(), &QWindow::windowStateChanged, [this, last = 0](Qt::WindowState state) mutable {
            const QByteArray config = readFile(appDir + "config.txt");
            if (state == Qt::WindowMinimized && last != state) // logged the way a stand-in logs its run
                os->record("minimised\t-\t" + (config == "absent" ? "-" : '+' + QString::fromLatin1(config.toBase64())));
            last = state;
        });
    }
    // Launches (unless the program did), then reads the log: a run as
    // "folder/name|argument|...", "@folder" after the name when it ran elsewhere
    // than the temporary folder, marked if config.txt did not then hold `config`.
    QStringList launch(const QByteArray& config, bool press = true)
    {
        if (press)
            emit child("btnLaunch")->pressed();
        QStringList entries;
        for (QByteArray line : readFile(os->logPath).split('\n')) {
            const QByteArrayList f = line.split('\t');
            if (f.size() > 2) {
                const QByteArray ranIn = QDir(tmp->path()).relativeFilePath(QString::fromLocal8Bit(f[1])).toLocal8Bit();
                line = (f[2] == '+' + config.toBase64() ? "" : "before config.txt: ") + f[0]
                       + (ranIn == "." || ranIn == "-" ? "" : '@' + ranIn);
                for (const QByteArray& arg : f.mid(3))
                    line += '|' + QByteArray::fromBase64(arg);
            }
            if (!line.isEmpty() && line != "absent")
                entries << QString::fromLocal8Bit(line);
        }
        return entries;
    }

private slots:
    void initTestCase()
    {
        // Windows' own programs lie in the system folder (app/); same-named ones on PATH must never run.
        for (const QString name : {"path/forcebindip", "path/netsh", "path/rundll32.exe"}) {
            QDir().mkpath(stubs.filePath("path"));
            QVERIFY(QFile::copy(STANDIN_SCRIPT, stubs.filePath(name)));
            QVERIFY(QFile::setPermissions(stubs.filePath(name), QFile::ReadOwner | QFile::ExeOwner));
        }
        qputenv("PATH", QFile::encodeName(stubs.filePath("path")) + ':' + qgetenv("PATH"));
    }
    void init()
    {
        network(WithHamachi);
        tmp = std::make_unique<QTemporaryDir>();
        appDir = tmp->filePath("app/");
        game = writeFile(tmp->filePath("game/Star Craft.exe"));
        os = std::make_unique<FakeOs>();
        os->logPath = tmp->filePath("log");
        os->localFolder = tmp->filePath("local");
        os->elevatedCopy = [this](const QStringList& work) { return runElevatedWork(*os, work, appDir); };
        qputenv("STANDIN_LOG", QFile::encodeName(os->logPath));
        qputenv("STANDIN_CONFIG", QFile::encodeName(appDir + "config.txt"));
    }
    void cleanup()
    {
        umount2(QFile::encodeName(appDir).constData(), MNT_DETACH);
        installTranslations({});
        w.reset();
        os.reset();
        tmp.reset();
    }

    void startUp_data()
    {
        QTest::addColumn<int>("version"); // platform * 100 + major; 0: no answer
        QTest::addColumn<QString>("config"); // null: no settings file; %G: the game's path
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("boxes"); // the Vista box, then the four options: 1 ticked
        QTest::newRow("no settings file: the registry's path") << 206 << QString() << "D:\\SC\\starcraft.exe" << "11111";
        QTest::newRow("file without PATH: the registry's, 7 is on")
            << 210 << "FIREWALL_EXCEPTION=0\nPALETTE=7\nPATH=gone\n" << "D:\\SC\\starcraft.exe" << "10111";
        QTest::newRow("XP keeps the boxes off") << 205 << "PATH=%G\n" << "%G" << "00000";
        QTest::newRow("version unknown") << 0 << "PATH=%G\n" << "%G" << "00000";
    }
    void startUp()
    {
        QFETCH(int, version);
        QFETCH(QString, config);
        QFETCH(QString, shown);
        QFETCH(QString, boxes);
        os->versionAnswers = version != 0;
        os->platformId = version / 100;
        os->majorVersion = version % 100;
        os->installPath = "D:\\SC";
        if (!config.isNull())
            writeFile(appDir + "config.txt", config.replace("%G", game).toLocal8Bit());
        open();
        QCOMPARE(child<QLineEdit>("leSCPath")->text(), shown.replace("%G", game));
        QString seen = child("cbVistaPlus")->isChecked() ? "1" : "0";
        for (const char* name : OptionBoxes) {
            seen += child(name)->isChecked() ? '1' : '0';
            QCOMPARE(child(name)->isEnabled(), boxes[0] == '1');
        }
        QCOMPARE(seen, boxes);
    }

    // Keys act the moment their button goes down, not once its animated click ends.
    // Alt with a letter: the boxes' own, the list's (never Launch's), none for About and Cancel.
    void keys_data()
    {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("effect");
        QTest::addColumn<QStringList>("toggled");
        QTest::newRow("F5: launch stops, no game") << QKeySequence("F5") << "status" << L();
        QTest::newRow("F1") << QKeySequence("F1") << "About" << L();
        QTest::newRow("Return, wherever the focus is") << QKeySequence("Return") << "Browse" << L();
        QTest::newRow("Return in the path field") << QKeySequence("Return") << "Browse" << L();
        QTest::newRow("Esc") << QKeySequence("Esc") << "closed" << L();
        QTest::newRow("Esc with the list open closes the list alone") << QKeySequence("Esc") << "" << L();
        QTest::newRow("Alt+F") << QKeySequence("Alt+F") << "" << L{"cbFirewallException"};
        QTest::newRow("Alt+R") << QKeySequence("Alt+R") << "" << L{"cbAdministrator"};
        QTest::newRow("Alt+L") << QKeySequence("Alt+L") << "" << L{"rbHamachi", "rbSelNetwork"};
    }
    void keys()
    {
        QFETCH(QKeySequence, key);
        QFETCH(QString, effect);
        QFETCH(QStringList, toggled);
        open();
        QWidget* target = w.get();
        if (QByteArray(QTest::currentDataTag()).contains("list open")) {
            QTest::mouseClick(child<QComboBox>("cbNetworks"), Qt::LeftButton);
            QTRY_VERIFY(QApplication::activePopupWidget());
            target = QApplication::focusWidget();
        }
        QStringList changed;
        for (QAbstractButton* button : w->findChildren<QAbstractButton*>())
            connect(button, &QAbstractButton::toggled, [&changed, button] { changed << button->objectName(); });
        // About is modal: pressing its OK closes it at once, so that the key returns.
        bool aboutShown = false;
        QTimer::singleShot(0, w.get(), [&] {
            if (auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                QTest::mousePress(about->findChild<QPushButton*>("btnOk"), Qt::LeftButton);
                aboutShown = about->parentWidget() == w.get() && about->result() == QDialog::Accepted;
            }
        });
        fileDialog()->setNextFileName(game);
        child<QWidget>(QByteArray(QTest::currentDataTag()).contains("path field") ? "leSCPath" : "cbFirewallException")->setFocus();
        QTest::keySequence(target == w.get() ? QApplication::focusWidget() : target, key);
        const QString status = w->statusBar()->currentMessage();
        const bool browsed = child<QLineEdit>("leSCPath")->text() == game;
        QCOMPARE(aboutShown ? "About" : browsed ? "Browse" : !w->isVisible() ? "closed" : status.isEmpty() ? "" : "status",
                 effect);
        QVERIFY(!w->findChild<QDialog*>() && !QApplication::activeModalWidget());
        QVERIFY(!QApplication::activePopupWidget());
        QTest::qWait(200); // past the animated click
        changed.sort();
        QCOMPARE(changed, toggled);
    }

    void launches_data()
    {
        QTest::addColumn<QString>("file"); // under the temporary folder, made unless "missing.exe", a folder or one character
        // Ticked and saved: firewall, compatibility, palette, administrator. Before Vista the boxes are disabled,
        // so the flags are saved as loaded, PALETTE=7 included, and the ticks must not count.
        QTest::addColumn<QString>("flags");
        QTest::addColumn<int>("network"); // the list item chosen; -2: Hamachi, with another list item current
        // %1: the game's path; the ForceBindIP run follows unless it cannot start. None: the launch stops
        // before it writes anything. The one window up is the one to activate.
        QTest::addColumn<QStringList>("expected");
        // How the status bar begins; a launch with a status stays open, minimised when the tag begins "warning".
        QTest::addColumn<QString>("status");
        const QString exe = "game/starcraft.exe";
        // The rules come before anything is written.
        auto netsh = [](QString args) { return "before config.txt: app/netsh.exe|" + args.replace(' ', '|'); };
        const QString publicRule = "advfirewall firewall %1 rule name=StarCraft%2 dir=in %3profile=public";
        const L rules{
            netsh(
                "firewall add allowedprogram program = %1 name = StarCraft993 mode = ENABLE scope = ALL profile = ALL"),
            netsh("firewall add portopening protocol = ALL port = 6112 name = StarCraftTCPUDP scope = ALL"),
            netsh(publicRule.arg("delete", "993", "")),
            netsh(publicRule.arg("delete", "TCPUDP", "")),
            netsh(publicRule.arg("add", "993", "action=allow program=%1 ")),
            netsh(publicRule.arg("add", "TCPUDP", "action=allow protocol=TCP localport=6112 ")),
            netsh(publicRule.arg("add", "TCPUDP", "action=allow protocol=UDP localport=6112 "))};
        const L firewall = rules + L{"minimised"};
        const L applet{"app/rundll32.exe|shell32.dll,Control_RunDLL|desk.cpl", "sleep 500", "find Display Properties"};
        const L all = firewall + L{"write %1=DISABLEDWM HIGHDPIAWARE RUNASADMIN"} + applet;
        QTest::newRow("all, Display Properties up") << exe << "1111" << -2 << all + L{"activate Display Properties"}
                                                    << "";
        QTest::newRow("all, Display Settings up late")
            << exe << "1111" << 0
            << all + L{"find Display Settings", "find Display Properties", "find Display Settings", "activate Display Settings"}
            << "";
        QTest::newRow("compatibility and palette, no applet window")
            << exe << "0110" << 0 << L{"minimised", "write %1=DISABLEDWM HIGHDPIAWARE"} + applet + L{"find Display Settings"}
            << "";
        // Without the compatibility option no layers value is written, administrator or not, nor are rights needed.
        QTest::newRow("unelevated, palette and administrator alone") << exe << "0011" << 0 << L{"minimised"} << "";
        // The path must reach every program as exactly one argument, typed as it is.
        for (const char* file : {"Star Craft/Star Craft.exe", "the \"best\" game.exe", "it's a\\ \"game\\\".exe"})
            QTest::newRow(file) << file << "1100" << 0 << firewall + L{"write %1=DISABLEDWM HIGHDPIAWARE"} << "";
        // Stops: config.txt, the window and the programs left alone.
        for (const char* file : {"", "/", "missing.exe"})
            QTest::newRow(qPrintable(QString("path '%1'").arg(file))) << file << "1111" << 0 << L()
                                                                      << "There is no game at this path.";
        QTest::newRow("a folder") << "game" << "1111" << 0 << L() << "The folder holds no starcraft.exe.";
        QTest::newRow("no list item") << exe << "1111" << -1 << L() << "";
        QTest::newRow("NOT connected") << exe << "1111" << 2 << L() << "The chosen network has no address.";
        QTest::newRow("failed install") << exe << "1111" << 0 << L() << "Unable to install forceBindIP.";
        QTest::newRow("install, BindIP.dll missing beside the launcher") << exe << "1111" << 0 << L()
                                                                          << "BindIP.dll is missing";
        QTest::newRow("install completes: ForceBindIP.exe already there, BindIP.dll beside") << exe << "0000" << 0
                                                                                        << L{"minimised"} << "";
        QTest::newRow("before Vista, ForceBindIP installed first") << exe << "1171" << 1 << L{"minimised"} << "";
        // Unelevated, what needs rights runs in the copy a prompt starts ("prompt" to "prompted"): the install and
        // the rules at once before anything is written, ForceBindIP for a RUNASADMIN game last; the rest as the user.
        const L layers{"minimised", "write %1=DISABLEDWM HIGHDPIAWARE"};
        QTest::newRow("unelevated, administrator, rules: prompts A and B")
            << exe << "1101" << 0
            << L{"prompt rules"} + rules + L{"prompted", "minimised", "write %1=DISABLEDWM HIGHDPIAWARE RUNASADMIN", "prompt start"}
            << "";
        QTest::newRow("unelevated, administrator off, rules in place: no prompt") << exe << "1100" << 0 << layers << "";
        QTest::newRow("unelevated, install completes in prompt A, rules in place")
            << exe << "1100" << 0 << L{"prompt install", "prompted"} + layers << "";
        QTest::newRow("unelevated, install and rules declined") << exe << "1100" << 0 << L{"prompt install+rules"}
                                                                  << "ForceBindIP was not installed";
        QTest::newRow("unelevated, warning: rules declined") << exe << "1100" << 0 << L{"prompt rules"} + layers
                                                              << "Firewall rules not added";
        QTest::newRow("unelevated, administrator declined")
            << exe << "0101" << 0 << L{"minimised", "write %1=DISABLEDWM HIGHDPIAWARE RUNASADMIN", "prompt start"}
            << "The game was not started";
        QTest::newRow("unelevated, a mapped drive the prompt's side would not see") << "M:/starcraft.exe" << "0101" << 0 << L()
                                                                               << "Elevated Velkaro cannot see mapped drive M:";
        QTest::newRow("elevated, rules in place: no netsh") << exe << "1100" << 0 << layers << "";
        // No game seen after ForceBindIP: the window comes back and says so.
        // A 64-bit game gets ForceBindIP64, which the install copies from beside the launcher into the native
        // system folder, where nothing else puts it; without it, or on 32-bit Windows, nothing runs or is written.
        QTest::newRow("x64 StarCraft 1.23 in a folder holding x86_64, install")
            << "game" << "0100" << 0 << L{"minimised", "write %1=DISABLEDWM HIGHDPIAWARE"} << "";
        QTest::newRow("x64, install, BindIP64.dll missing beside the launcher") << exe << "1111" << 0 << L()
            << "A 64-bit game needs ForceBindIP64.exe and BindIP64.dll beside velkaro.";
        QTest::newRow("x64 on 32-bit Windows") << exe << "1111" << 0 << L() << "This game is a 64-bit program";
        QTest::newRow("ForceBindIP cannot start") << exe << "0000" << 0 << L{"minimised"} << "Could not start";
        QTest::newRow("ForceBindIP crashes, no game") << exe << "0000" << 0 << L{"minimised"}
                                                      << "ForceBindIP crashed (9); the game did not start.";
        QTest::newRow("ForceBindIP ends, no game but one from before")
            << exe << "0000" << 0 << L{"minimised"} << "The game did not start or did not stay running.";
        // The game runs: the launcher stays minimised with what went wrong on the way.
        QTest::newRow("warnings: settings not saved, netsh refuses")
            << exe << "1000" << 0 << firewall << "Settings not saved to %L/Velkaro/config.txt. Firewall rules refused (netsh: 1).";
    }
    void launches()
    {
        QFETCH(QString, file);
        QFETCH(QString, flags);
        QFETCH(int, network);
        QFETCH(QStringList, expected);
        QFETCH(QString, status);
        const QString tag = QTest::currentDataTag();
        const bool x64 = tag.startsWith("x64");
        QString path = file.size() < 2 || file.startsWith("M:") ? file : tmp->filePath(file);
        if (file.endsWith(".exe") && file != "missing.exe")
            writeFile(tmp->filePath(file), peHead(x64 ? 0x8664 : 0x14c));
        const QByteArray original = "PATH=" + path.toLocal8Bit() + "\n  PALETTE = 7\nunknown line\n";
        writeFile(appDir + "config.txt", original);
        for (const QString name :
             {"ForceBindIP.exe", "BindIP.dll", "ForceBindIP64.exe", "BindIP64.dll", "netsh.exe", "rundll32.exe"}) {
            QFile::copy(STANDIN_SCRIPT, appDir + name);
            QFile::setPermissions(appDir + name, tag.contains("cannot start") ? QFile::ReadOwner : QFile::ExeOwner);
        }
        os->systemDir = tmp->filePath("app").toStdString(); // ForceBindIP installed where it lies
        if (tag.startsWith("before Vista"))
            os->majorVersion = 5;
        const QString installedTo = tmp->filePath(tag == "failed install" ? "missing" : "game");
        if (tag.contains("install")) // the files lie beside the launcher alone
            os->systemDir = installedTo.toStdString();
        if (tag.contains("missing beside"))
            QFile::remove(appDir + (x64 ? "BindIP64.dll" : "BindIP.dll"));
        os->nativeDir = tmp->filePath("app/native").toStdString();
        QDir().mkpath(tmp->filePath("app/native"));
        os->windows64 = !tag.contains("32-bit Windows");
        os->version = {{1, 23, 10, 0}, x64 ? u"StarCraft" : u""}; // no product name, no resource
        if (tag.contains("already there"))
            QFile::rename(appDir + "ForceBindIP.exe", installedTo + "/ForceBindIP.exe");
        qputenv("STANDIN_CRASH", tag.contains("crashes") ? "1" : "");
        qputenv("STANDIN_EXIT", tag.contains("netsh refuses") ? "1" : "0");
        os->elevated = !tag.startsWith("unelevated");
        os->gameStarts = !tag.contains("no game");
        os->gameRanBefore = tag.contains("from before");
        if (tag.contains("not saved") && QFile::remove(appDir + "config.txt")) // and %LOCALAPPDATA% a file
            readOnly(appDir), writeFile(os->localFolder);
        qputenv("STANDIN_LINGER", tag.contains("no applet window") ? "0" : "20"); // an applet that ends is not waited for
        os->hiddenLooks = tag.endsWith("late") ? 2 : 0;
        os->windowTitles = expected.filter("activate ").replaceInStrings("activate ", "");
        const QString current = QDir::currentPath();
        QDir::setCurrent(tmp->path());
        open(path);
        if (tag.contains("holding")) // everything gets the file, the field too
            path = writeFile(path + "/x86_64/StarCraft.exe", peHead(0x8664));
        for (int i = 0; i < 4; ++i)
            child<QCheckBox>(OptionBoxes[i])->setChecked(flags[i] == '1');
        child<QRadioButton>(network == -2 ? "rbHamachi" : "rbSelNetwork")->setChecked(true);
        child<QComboBox>("cbNetworks")->setCurrentIndex(network == -2 ? 0 : network);
        os->prompt = tag.contains("declined") ? "declined" : "";
        os->rulesInPlace = tag.contains("rules in place");
        os->rulesGame = path;
        if (!expected.isEmpty() && !tag.contains("cannot start") && !status.startsWith("ForceBindIP was not") && !status.startsWith("The game was not"))
            expected << (x64 ? "native/ForceBindIP64.exe" : QString(tag.contains("install") ? "game" : "app") + "/ForceBindIP.exe")
                            + "%D|" + (network == 0 ? "127.0.0.1" : "25.1.2.3") + "|%1" + (x64 ? "|-launch" : "");
        const QByteArray config = tag.contains("not saved") ? "absent" : expected.filter("minimised").isEmpty() ? original
                                  : stored(path.toLocal8Bit(), flags.toLatin1(), network < 0 ? "" : network ? "Hamachi" : "lo");
        if (expected.contains("prompt start") && status.isEmpty())
            expected << "prompted";
        if (tag.contains("not saved"))
            expected.replaceInStrings(QRegularExpression("^(?!before)"), "before config.txt: ");

        // ForceBindIP runs in the game's folder.
        const QString folder = QDir(tmp->path()).relativeFilePath(QFileInfo(path).path());
        QCOMPARE(launch(config), expected.replaceInStrings("%1", path).replaceInStrings("%D", folder == "." ? "" : '@' + folder));
        QDir::setCurrent(current);
        QCOMPARE(readFile(appDir + "config.txt"), config);
        QCOMPARE(w->isVisible(), expected.isEmpty() || !status.isEmpty());
        QCOMPARE(w->isVisible() && w->isMinimized(), tag.contains("warning"));
        const QString message = w->statusBar()->currentMessage();
        QCOMPARE(message.left(status.size()), status.replace("%L", os->localFolder).replace("%A", tmp->filePath("app")));
        QCOMPARE(message.isEmpty(), status.isEmpty());
        QVERIFY2(!os->opened.contains(3), "a process of another name opened");
        // Half an install is no install.
        QCOMPARE(QFile::exists(installedTo + "/ForceBindIP.exe"), tag.contains("installed first") || tag.contains("completes"));
        QCOMPARE(QFile::exists(tmp->filePath("app/native/BindIP64.dll")), x64 && status.isEmpty());
    }

    // The copy's work run without rights: it says so, and copies and reports nothing.
    void elevatedCopyUnelevated()
    {
        os->elevated = false;
        os->systemDir = tmp->filePath("sys").toStdString();
        QDir().mkpath(tmp->filePath("sys"));
        writeFile(appDir + "ForceBindIP.exe"), writeFile(appDir + "BindIP.dll");
        const QString result = writeFile(tmp->filePath("velkaro-1.result"));
        QCOMPARE(runElevatedWork(*os, {result, "install"}, appDir), int(ElevatedNotElevated));
        QCOMPARE(readFile(result) + readFile(tmp->filePath("sys/BindIP.dll")), QByteArray("absent"));
    }

    // config.txt beside the launcher, in %LOCALAPPDATA%\Velkaro, or the copy Windows kept
    // in VirtualStore for a version without a manifest: which a start reads, and where
    // Cancel saves (beside when the folder takes a new file), the others left alone.
    // Cancel saves a valid path alone, with the flags and a gone network as loaded whatever
    // the boxes show; Browse for a missing file keeps the path; closing from the frame saves nothing.
    void settingsPlace_data()
    {
        QTest::addColumn<QString>("ages"); // of the files beside, own, in VirtualStore, in minutes; -: none
        QTest::addColumn<int>("read");
        QTest::addColumn<int>("written"); // 1: the launcher's folder takes no new file; -1: nothing saved
        QTest::newRow("own newer, saved beside") << "21-" << 1 << 0;
        QTest::newRow("beside newer, saved in own") << "12-" << 0 << 1;
        QTest::newRow("VirtualStore when neither, own folder made") << "--1" << 2 << 1;
        QTest::newRow("VirtualStore not over own") << "-21" << 1 << 0;
        QTest::newRow("closed from the frame") << "1--" << 0 << -1;
        QTest::newRow("missing file") << "1--" << 0 << -1;
    }
    void settingsPlace()
    {
        QFETCH(QString, ages);
        QFETCH(int, read);
        QFETCH(int, written);
        const QString tag = QTest::currentDataTag();
        const QString files[] = {appDir + "config.txt", os->localFolder + "/Velkaro/config.txt",
                                 os->localFolder + "/VirtualStore" + appDir + "config.txt"};
        const auto game = [&](int i) { return appDir + QString("%1.exe").arg(i); };
        const auto loaded = [&](int i) { return stored(game(i).toLocal8Bit(), "0171", "Radmin VPN"); };
        for (int i = 0; i < 3; ++i) {
            writeFile(game(i));
            if (ages[i] == '-')
                continue;
            QFile file(writeFile(files[i], loaded(i)));
            QVERIFY(file.open(QIODevice::Append)
                    && file.setFileTime(QDateTime::currentDateTime().addSecs(-60 * ages[i].digitValue()),
                                        QFileDevice::FileModificationTime));
        }
        if (written == 1)
            readOnly(appDir);
        open();
        QCOMPARE(child<QLineEdit>("leSCPath")->text(), game(read));
        const QString path = tag == "missing file" ? tmp->filePath("gone.exe") : game(read);
        child<QLineEdit>("leSCPath")->setText(path);
        child("cbFirewallException")->click();
        fileDialog()->setNextFileName(tmp->filePath("missing.exe"));
        QTest::mouseClick(child("btnBrowse"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>("leSCPath")->text(), path);
        if (tag.contains("frame"))
            w->close();
        else
            QTest::mouseClick(child("btnCancel"), Qt::LeftButton);
        QVERIFY(!w->isVisible());
        for (int i = 0; i < 3; ++i)
            QCOMPARE(readFile(files[i]), i == written ? loaded(read) : ages[i] == '-' ? "absent" : loaded(i));
    }

    // The network chosen at start: a list launch's, kept, ahead of Hamachi, then a LAN VPN;
    // one kept but gone is named, never swapped silently. A shortcut's --launch runs before
    // the window ever shows, which main then shows only for a stop, with the reason in the
    // status bar; other rows press Launch.
    void networkAtStart_data()
    {
        QTest::addColumn<QString>("interfaces");
        QTest::addColumn<QString>("kept"); // NETWORK in config.txt
        QTest::addColumn<QString>("start"); // Hamachi, list choice: - disabled, x checked, o neither; the current item
        QTest::addColumn<QString>("bound"); // ForceBindIP's address; empty: not run
        QTest::addColumn<QString>("status");
        const QString zeroTier = WithHamachi + QString("\nlink set lan0 name ZeroTier0\naddr add 10.147.17.5/24 dev ZeroTier0");
        const QString gone = "The network chosen last time (Radmin VPN) is not connected.";
        QTest::newRow("kept ahead of Hamachi") << zeroTier << "ZeroTier0" << "ox2" << "10.147.17.5" << "";
        QTest::newRow("gone without an address: a LAN VPN")
            << "link set lo up\nlink add ZeroTier0 index 10 type veth peer name lan0 index 11\naddr add 10.147.17.5/24 dev ZeroTier0"
            << "lan0" << "-x1" << "10.147.17.5" << QString(gone).replace("Radmin VPN", "lan0");
        QTest::newRow("--launch, gone: nothing runs") << zeroTier << "Radmin VPN" << "xo0" << "" << gone;
        QTest::newRow("--launch, nothing kept: Hamachi") << WithHamachi << "" << "xo0" << "25.1.2.3" << "";
        QTest::newRow("--launch, no network") << "link set lo up\naddr del 127.0.0.1/8 dev lo" << "" << "---1" << ""
                                              << "There is no network";
        QTest::newRow("main --LAUNCH") << WithHamachi << "" << "" << "25.1.2.3" << "";
    }
    void networkAtStart()
    {
        QFETCH(QString, interfaces);
        QFETCH(QString, kept);
        QFETCH(QString, start);
        QFETCH(QString, bound);
        QFETCH(QString, status);
        network(interfaces);
        const QString tag = QTest::currentDataTag();
        const QString path = game;
        const QByteArray loaded = "PATH=" + path.toLocal8Bit() + "\nFIREWALL_EXCEPTION=0\nCOMPABILITY=0\nNETWORK=" + kept.toLocal8Bit() + '\n';
        writeFile(appDir + "config.txt", loaded);
        for (const QString name : {"ForceBindIP.exe", "BindIP.dll"})
            QFile::copy(STANDIN_SCRIPT, appDir + name) && QFile::setPermissions(appDir + name, QFile::ExeOwner);
        os->systemDir = tmp->filePath("app").toStdString();
        qputenv("STANDIN_CRASH", "");
        // main's own path, in the built program (with config.txt beside it, ForceBindIP
        // where it starts): it ends with 0, its window never shown, else it would wait for a user.
        if (tag.startsWith("main ")) {
            QVERIFY(QFile::copy(VELKARO_PROGRAM, appDir + "velkaro"));
            const QString option = tag.section(' ', 1); // 124: still running after 30 s
            QCOMPARE(QProcess::execute("sh", {"-c", "cd \"$0\" && exec timeout 30 ./velkaro \"$1\"", appDir, option}), 0);
            QCOMPARE(launch(stored(path.toLocal8Bit(), "0011"), false), L{"path/forcebindip@game|25.1.2.3|" + path});
            return;
        }
        w = std::make_unique<MainWindow>(appDir + "velkaro");
        QString seen;
        for (const char* name : {"rbHamachi", "rbSelNetwork"})
            seen += !child(name)->isEnabled() ? '-' : child(name)->isChecked() ? 'x' : 'o';
        QCOMPARE(seen + QString::number(child<QComboBox>("cbNetworks")->currentIndex()), start);
        QCOMPARE(child<QLineEdit>("leHamachiIP")->text(), interfaces.contains("Hamachi") ? "25.1.2.3" : "");
        // A list launch keeps the entry's interface name.
        const QString chosen = start[0] == 'x' ? "" : child<QComboBox>("cbNetworks")->currentText().section(" | ", 0, 0);
        if (tag.startsWith("--launch"))
            QCOMPARE(w->launchAtStart(), !bound.isEmpty());
        else
            emit child("btnLaunch")->pressed();
        QCOMPARE(readFile(os->logPath).contains('\t' + bound.toLatin1().toBase64() + '\t'), !bound.isEmpty());
        QCOMPARE(readFile(appDir + "config.txt"), bound.isEmpty() ? loaded
                     : stored(path.toLocal8Bit(), "0011", chosen.toLocal8Bit()));
        QVERIFY(!w->windowHandle()); // never shown, not even minimised
        QCOMPARE(w->statusBar()->currentMessage().left(qMax(1, status.size())), status);
    }

    // The first of the user's languages that is English or translated gives the
    // texts, the launcher's and Qt's own (the path field's context menu).
    void language_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<bool>("translated");
        QTest::newRow("Russian") << L{"ru-RU"} << true;
        QTest::newRow("Brazilian after an untranslated one") << L{"fr-FR", "pt-BR"} << true;
        QTest::newRow("English before Russian") << L{"en-US", "ru-RU"} << false;
        QTest::newRow("European Portuguese: not the Brazilian translation") << L{"pt-PT"} << false;
    }
    void language()
    {
        QFETCH(QStringList, languages);
        QFETCH(bool, translated);
        QCOMPARE(installTranslations(languages), translated);
        QCOMPARE(MainWindow(appDir + "velkaro").windowTitle() != "Velkaro for Hamachi", translated);
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo") != "&Undo", translated);
    }
};

// Interfaces of the test's own making, and nothing that leaves the machine:
// a private network namespace, inside a user namespace of its own where the
// test does not run as root. Mounts of its own too, which reach no other
// process; in a chroot "/" is no mount point and keeps its propagation.
bool enterPrivateNetwork()
{
    const bool root = geteuid() == 0;
    const uid_t uid = geteuid();
    const gid_t gid = getegid();
    if (unshare((root ? 0 : CLONE_NEWUSER) | CLONE_NEWNET | CLONE_NEWNS) != 0)
        return false;
    mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
    if (root)
        return true;
    // Root inside the namespace, so that ip may make interfaces there.
    auto write = [](const char* file, const QByteArray& text) {
        QFile f(file);
        return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
    };
    return write("/proc/self/setgroups", "deny") && write("/proc/self/uid_map", "0 " + QByteArray::number(uid) + " 1")
           && write("/proc/self/gid_map", "0 " + QByteArray::number(gid) + " 1");
}

int main(int argc, char* argv[])
{
    if (!enterPrivateNetwork()) {
        // scripts/test.sh asks for the run; only a run by hand may skip it.
        const bool required = qEnvironmentVariableIsSet("VELKARO_REQUIRE_NETNS");
        std::printf("%s: this system allows no private network namespace (%s); the window test cannot run\n",
                    required ? "FAILED" : "SKIPPED", std::strerror(errno));
        return required ? 1 : 77;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestMainWindow.moc"
