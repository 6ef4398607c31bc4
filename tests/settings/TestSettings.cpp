#include "FakeOs.h"
#include "MainWindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#ifdef Q_OS_LINUX
#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {
#ifdef Q_OS_WIN
const QByteArray Eol = "\r\n";
#else
const QByteArray Eol = "\n";
#endif

// What saveConfig must write for these values.
QByteArray stored(const QByteArray& path, int firewall = 1, int compatibility = 1, int palette = 1, int admin = 1)
{
    return "PATH=" + path + Eol + "FIREWALL_EXCEPTION=" + QByteArray::number(firewall) + Eol + "COMPABILITY="
           + QByteArray::number(compatibility) + Eol + "PALETTE=" + QByteArray::number(palette) + Eol
           + "ADMINISTRATOR=" + QByteArray::number(admin) + Eol;
}
enum Os { Windows7, Windows10, WindowsXp, NoVersion, NotNt };
enum { FileSizeLimit, ImmutableFile, MissingFolder };
enum { Kept, Dropped, NotSaved };
} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
    std::unique_ptr<FakeOs> os;
    std::unique_ptr<QTemporaryDir> dir;
    QString game, other, startDir = QDir::currentPath();

    QString launcher() const { return dir->filePath("app/velkaro"); }
    QString configPath() const { return dir->filePath("app/config.txt"); }
    QString touch(const QString& relative) const
    {
        const QString path = dir->filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile(path).open(QIODevice::WriteOnly);
        return path;
    }
    // %G and %O stand for two existing game files, %0 for a zero byte.
    QByteArray fill(QByteArray text) const
    {
        return text.replace("%G", game.toLatin1()).replace("%O", other.toLatin1()).replace("%0", QByteArray(1, '\0'));
    }
    void writeConfig(const QByteArray& bytes) const
    {
        QFile file(configPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    }
    QByteArray readConfig() const
    {
        QFile file(configPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        os = std::make_unique<FakeOs>();
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid() && QDir().mkpath(dir->filePath("app")));
        game = touch(QString::fromUtf8("Program Files (x86)/Star-\u00e9/StarCraft.exe"));
        other = touch("other.exe");
        touch("x");
        touch("simple.exe");
        QDir::setCurrent(dir->path()); // relative PATH values resolve against the working folder
    }
    void cleanup()
    {
        QDir::setCurrent(startDir);
        dir.reset();
        os.reset();
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("saved");
        QByteArray binary;
        for (int i = 0; i < 5000; ++i)
            binary += char(i * 37 % 251);
        QTest::newRow("empty file") << QByteArray() << stored("");
        QTest::newRow("all five") << QByteArray("PATH=%G\nFIREWALL_EXCEPTION=0\nCOMPABILITY=0\nPALETTE=0\nADMINISTRATOR=0\n")
                                  << stored("%G", 0, 0, 0, 0);
        QTest::newRow("CR LF") << QByteArray("PATH=%G\r\nFIREWALL_EXCEPTION=0\r\nCOMPABILITY=0\r\nPALETTE=0\r\n")
                               << stored("%G", 0, 0, 0);
        QTest::newRow("blanks around =") << QByteArray(" \tPALETTE \t=  0  \n") << stored("", 1, 1, 0);
        QTest::newRow("word is 0") << QByteArray("COMPABILITY=yes\n") << stored("", 1, 0);
        QTest::newRow("minus one unread") << QByteArray("COMPABILITY=-1\n") << stored("");
        QTest::newRow("2 and 7 kept") << QByteArray("ADMINISTRATOR=2\nPALETTE=007\n") << stored("", 1, 1, 7, 2);
        QTest::newRow("int max") << QByteArray("FIREWALL_EXCEPTION=2147483647\n") << stored("", 2147483647);
        QTest::newRow("beyond 32 bits") << QByteArray("PALETTE=2147483648\nADMINISTRATOR=4294967297\n")
                                        << stored("", 1, 1, 0, 0);
        QTest::newRow("later line wins") << QByteArray("PALETTE=0\nPALETTE=5\nPATH=%G\nPATH=%O\n") << stored("%O", 1, 1, 5);
        QTest::newRow("bad PATH keeps earlier") << QByteArray("PATH=%G\nPATH=%G.gone\nPATH=\nPATH=x\n") << stored("%G");
        QTest::newRow("PATH blanks trimmed") << QByteArray("PATH \t=  %G \t \n") << stored("%G");
        QTest::newRow("relative PATH trimmed") << QByteArray("PATH= simple.exe  \t\n") << stored("simple.exe");
        QTest::newRow("no final LF") << QByteArray("PATH=%G\nCOMPABILITY=0") << stored("%G");
        QTest::newRow("no final LF on PATH") << QByteArray("PATH=%G") << stored("");
        QTest::newRow("zero byte ends line") << QByteArray("PALETTE=0%0\nPATH=%G%0\nCOMPABILITY=1%0COMPABILITY=0\n")
                                             << stored("");
        QTest::newRow("# before key") << QByteArray("#PATH=%G\n#PALETTE=0\n") << stored("%G", 1, 1, 0);
        QTest::newRow("word before key") << QByteArray("ab PATH=%G\nab PALETTE=0\n") << stored("%G", 1, 1, 0);
        QTest::newRow("other keys") << QByteArray("XPATH=%G\nXPALETTE=0\npath=%G\npalette=0\nFOO=1 PATH=%G\n") << stored("");
        QTest::newRow("1023-byte piece") << QByteArray(1023, 'x') + "PALETTE=0\n" << stored("", 1, 1, 0);
        QTest::newRow("1022 bytes split key") << QByteArray(1022, 'x') + "PALETTE=0\n" << stored("");
        QTest::newRow("3000-byte lines") << "PALETTE=0" + QByteArray(3000, 'a') + "\nPATH=%G" + QByteArray(3000, ' ') + "\n"
                                         << stored("");
        QTest::newRow("binary") << binary << stored("");
    }
    void read()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, saved);
        // A window that already read all options off: each read starts from all on.
        writeConfig("FIREWALL_EXCEPTION=0\nCOMPABILITY=0\nPALETTE=0\nADMINISTRATOR=0\n");
        MainWindow w(launcher());
        writeConfig(fill(content));
        QVERIFY(w.loadConfig() && w.saveConfig());
        QCOMPARE(readConfig(), fill(saved));
    }

    void closeRemembersPath_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("outcome");
        QTest::newRow("brackets, hyphen, accent") << QString::fromUtf8("Program Files (x86)/Star-\u00e9/StarCraft.exe") << +Kept;
        QTest::newRow("folder") << "Program Files (x86)" << +Kept;
        QTest::newRow("equals sign") << "a=b/StarCraft.exe" << +Kept;
        QTest::newRow("not Latin-1") << QString::fromUtf8("\u0418\u0433\u0440\u044b/StarCraft.exe") << +Dropped;
        QTest::newRow("missing file") << "gone.exe" << +NotSaved;
    }
    void closeRemembersPath()
    {
        QFETCH(QString, typed);
        QFETCH(int, outcome);
        const QString path = outcome == NotSaved ? dir->filePath(typed) : touch(typed);
        {
            MainWindow w(launcher());
            w.findChild<QLineEdit*>("leSCPath")->setText(path);
            w.show();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            QTest::keyClick(&w, Qt::Key_Escape);
            QVERIFY(!w.isVisible());
        }
        QCOMPARE(readConfig(), outcome == NotSaved ? QByteArray() : stored(outcome == Kept ? path.toLatin1() : ""));
        MainWindow next(launcher());
        QCOMPARE(next.findChild<QLineEdit*>("leSCPath")->text(), outcome == Kept ? path : QString());
    }

    void startUp_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QByteArray>("registry"); // null: no value
        QTest::addColumn<QByteArray>("content");  // null: no settings file
        QTest::addColumn<QByteArray>("shown");
        QTest::addColumn<QString>("checked");
        const QByteArray folder = "D:\\Games\\StarCraft", allOn = "FIREWALL_EXCEPTION=1\nPALETTE=1\n";
        QTest::newRow("registry") << +Windows7 << folder << QByteArray() << folder + "\\starcraft.exe" << "1111";
        QTest::newRow("trailing backslash") << +Windows7 << folder + "\\" << QByteArray() << folder + "\\\\starcraft.exe" << "1111";
        QTest::newRow("nothing") << +Windows7 << QByteArray() << QByteArray() << QByteArray("") << "1111";
        QTest::newRow("empty file") << +Windows7 << folder << QByteArray("") << QByteArray("") << "1111";
        QTest::newRow("firewall off") << +Windows7 << folder << QByteArray("FIREWALL_EXCEPTION=0\nCOMPABILITY=1\n")
                                      << QByteArray("") << "0111";
        QTest::newRow("PATH, 7 is on") << +Windows10 << folder << QByteArray("PATH=%G\nPALETTE=7\nCOMPABILITY=0\n")
                                       << QByteArray("%G") << "1011";
        QTest::newRow("XP") << +WindowsXp << QByteArray() << allOn << QByteArray("") << "0000";
        QTest::newRow("version unknown") << +NoVersion << QByteArray() << allOn << QByteArray("") << "0000";
        QTest::newRow("not NT") << +NotNt << QByteArray() << allOn << QByteArray("") << "0000";
    }
    void startUp()
    {
        QFETCH(int, system);
        QFETCH(QByteArray, registry);
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, shown);
        QFETCH(QString, checked);
        os->majorVersion = system == Windows10 ? 10 : 6;
        os->platformId = system == NotNt ? 1 : 2;
        os->versionAnswers = system != NoVersion;
        if (system == WindowsXp)
            os->playWindowsXp();
        if (!registry.isNull())
            os->machineValues[{"SOFTWARE\\Blizzard Entertainment\\Starcraft", "InstallPath"}] = registry.toStdString();
        if (!content.isNull())
            writeConfig(fill(content));
        MainWindow w(launcher());
        QCOMPARE(w.findChild<QLineEdit*>("leSCPath")->text().toLatin1(), fill(shown));
        const bool vista = system <= Windows10;
        QCOMPARE(w.findChild<QCheckBox*>("cbVistaPlus")->isChecked(), vista);
        QString seen;
        for (const char* name : {"cbFirewallException", "cbCompabilityParams", "cbPaletteTricks", "cbAdministrator"}) {
            QCOMPARE(w.findChild<QCheckBox*>(name)->isEnabled(), vista);
            seen += w.findChild<QCheckBox*>(name)->isChecked() ? '1' : '0';
        }
        QCOMPARE(seen, checked);
        QCOMPARE(w.loadConfig(), !content.isNull());
    }

    void saveFailureKeepsOldFile_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("file size limit (disk full)") << +FileSizeLimit;
        QTest::newRow("immutable config.txt") << +ImmutableFile;
        QTest::newRow("missing folder") << +MissingFolder;
    }
    void saveFailureKeepsOldFile()
    {
#ifndef Q_OS_LINUX
        QSKIP("failing a save whoever runs the test needs Linux file size limits and attributes");
#else
        // Root ignores permissions, so the save is made to fail by other means.
        QFETCH(int, way);
        const QByteArray old = fill("PATH=%G\r\nPALETTE=0\n# kept as is\n");
        writeConfig(old);
        MainWindow w(way == MissingFolder ? dir->filePath("gone/velkaro") : launcher());
        const int fd = ::open(QFile::encodeName(configPath()).constData(), O_RDONLY);
        int flags = 0;
        if (way == ImmutableFile && (ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0 || (flags |= FS_IMMUTABLE_FL,
                                                                                     ioctl(fd, FS_IOC_SETFLAGS, &flags)) != 0)) {
            ::close(fd);
            QSKIP("this file system or user cannot mark a file immutable");
        }
        rlimit normal{};
        getrlimit(RLIMIT_FSIZE, &normal);
        const rlimit tiny{16, normal.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        if (way == FileSizeLimit)
            setrlimit(RLIMIT_FSIZE, &tiny);
        const bool saved = w.saveConfig();
        setrlimit(RLIMIT_FSIZE, &normal);
        flags &= ~FS_IMMUTABLE_FL;
        if (way == ImmutableFile)
            ioctl(fd, FS_IOC_SETFLAGS, &flags);
        ::close(fd);
        QVERIFY(!saved);
        QCOMPARE(readConfig(), old);
        QCOMPARE(QDir(dir->filePath("app")).entryList(QDir::Files | QDir::Hidden), QStringList{"config.txt"});
        QVERIFY(!QFileInfo::exists(dir->filePath("gone")));
#endif
    }
};

QTEST_MAIN(TestSettings)
#include "TestSettings.moc"
