#include "FakeOs.h"
#include "MainWindow.h"
#include "TestFiles.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

class TestSettings : public QObject
{
    Q_OBJECT
    QScopedPointer<QTemporaryDir> dir;
    QString game;

    // What saveConfig must write for these values.
    static QByteArray stored(const QByteArray& path, int firewall = 1, int compat = 1, int palette = 1, int admin = 1)
    {
        return "PATH=" + path + "\nFIREWALL_EXCEPTION=" + QByteArray::number(firewall) + "\nCOMPABILITY="
               + QByteArray::number(compat) + "\nPALETTE=" + QByteArray::number(palette)
               + "\nADMINISTRATOR=" + QByteArray::number(admin) + '\n';
    }
    QString launcher() const { return dir->filePath("velkaro"); }
    QString touch(const QString& relative) const { return writeFile(dir->filePath(relative)); }
    // %G stands for an existing game file, %D for an existing folder, %0 for a zero byte.
    QByteArray fill(const QString& text) const
    {
        return text.toLatin1().replace("%G", game.toLatin1()).replace("%D", dir->path().toLatin1())
            .replace("%0", QByteArray(1, '\0'));
    }
    void writeConfig(const QByteArray& bytes) const { writeFile(dir->filePath("config.txt"), bytes); }
    QByteArray readConfig() const { return readFile(dir->filePath("config.txt")); }

private slots:
    void init()
    {
        dir.reset(new QTemporaryDir);
        // Brackets, a hyphen, an accent and an equals sign: every row reads and saves them back.
        game = touch("Program Files (x86)/Star-\u00e9/a=b/StarCraft.exe");
    }

    void read_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QByteArray>("saved");
        QString binary(5000, QChar());
        for (int i = 0; i < binary.size(); ++i)
            binary[i] = QChar(i * 37 % 251);
        QTest::newRow("CR LF") << "PATH=%G\r\nPALETTE=0\r\n" << stored("%G", 1, 1, 0);
        QTest::newRow("blanks around =") << " \tPALETTE \t=  0  \nPATH \t=  %G \t \n" << stored("%G", 1, 1, 0);
        QTest::newRow("numbers") << "PALETTE=2147483647\nPALETTE=-1\nADMINISTRATOR=010\nCOMPABILITY=yes\n"
                                    "FIREWALL_EXCEPTION=2147483648\n" << stored("", 0, 0, 2147483647, 10);
        QTest::newRow("later line wins") << "PALETTE=0\nPALETTE=5\nPATH=%G\nPATH=%D\n" << stored("%D", 1, 1, 5);
        QTest::newRow("bad PATH keeps earlier") << "PATH=%G\nPATH=%G.gone\nPATH=\nPATH=/\n" << stored("%G");
        QTest::newRow("no final LF") << "PATH=%G\nCOMPABILITY=0" << stored("%G");
        QTest::newRow("no final LF on PATH") << "PATH=%G" << stored("");
        QTest::newRow("NUL ends line") << "COMPABILITY=1%0COMPABILITY=0\n" << stored("");
        QTest::newRow("text before key") << "#PATH=%G\nab PALETTE=0\n" << stored("%G", 1, 1, 0);
        QTest::newRow("other keys") << "XPATH=%G\nXPALETTE=0\npath=%G\npalette=0\nFOO=1 PATH=%G\n" << stored("");
        QTest::newRow("1023-byte pieces") << QString(1023, 'x') + "PALETTE=0\n" << stored("", 1, 1, 0);
        QTest::newRow("binary") << binary << stored("");
    }
    void read()
    {
        QFETCH(QString, content);
        QFETCH(QByteArray, saved);
        writeConfig(fill(content));
        MainWindow w(launcher());
        QVERIFY(w.saveConfig());
        QCOMPARE(readConfig(), fill(QString::fromLatin1(saved)));
    }

    // Latin-1 is the file's format: a path it cannot hold is stored as no path at all.
    void pathOutsideLatin1SavedEmpty()
    {
        MainWindow w(launcher());
        w.findChild<QLineEdit*>("leSCPath")->setText(touch("\u0418\u0433\u0440\u044b/StarCraft.exe"));
        QVERIFY(QMetaObject::invokeMethod(&w, "onClose"));
        QCOMPARE(readConfig(), stored(""));
    }

    void startUp_data()
    {
        QTest::addColumn<int>("version");         // platform * 100 + major; 0: no answer
        QTest::addColumn<QString>("registry"); // install folder
        QTest::addColumn<QString>("content");  // null: no settings file
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("checked"); // Vista box, then the four options
        QTest::newRow("registry") << 206 << "D:\\SC" << QString() << "D:\\SC\\starcraft.exe" << "11111";
        QTest::newRow("trailing backslash") << 206 << "D:\\SC\\" << QString() << "D:\\SC\\\\starcraft.exe" << "11111";
        QTest::newRow("file without PATH") << 206 << "D:\\SC" << "FIREWALL_EXCEPTION=0\n" << "" << "10111";
        QTest::newRow("PATH, 7 is on") << 210 << "D:\\SC" << "PATH=%G\nPALETTE=7\nCOMPABILITY=0\n" << "%G" << "11011";
        QTest::newRow("XP") << 205 << "D:\\SC" << "PALETTE=1\n" << "" << "00000";
        QTest::newRow("version unknown") << 0 << "D:\\SC" << "PALETTE=1\n" << "" << "00000";
        QTest::newRow("not NT") << 106 << "D:\\SC" << "PALETTE=1\n" << "" << "00000";
    }
    void startUp()
    {
        QFETCH(int, version);
        QFETCH(QString, registry);
        QFETCH(QString, content);
        QFETCH(QString, shown);
        QFETCH(QString, checked);
        FakeOs os;
        os.versionAnswers = version != 0;
        os.platformId = version / 100;
        os.majorVersion = version % 100;
        os.machineValues[{"SOFTWARE\\Blizzard Entertainment\\Starcraft", "InstallPath"}] = registry.toStdString();
        if (!content.isNull())
            writeConfig(fill(content));
        MainWindow w(launcher());
        QCOMPARE(w.findChild<QLineEdit*>("leSCPath")->text().toLatin1(), fill(shown));
        QString seen = w.findChild<QCheckBox*>("cbVistaPlus")->isChecked() ? "1" : "0";
        for (const char* name : {"cbFirewallException", "cbCompabilityParams", "cbPaletteTricks", "cbAdministrator"}) {
            seen += w.findChild<QCheckBox*>(name)->isChecked() ? '1' : '0';
            QCOMPARE(w.findChild<QCheckBox*>(name)->isEnabled(), checked[0] == '1');
        }
        QCOMPARE(seen, checked);
    }

    // Root ignores permissions, so a file size limit stands in for a full disk.
    void failedSaveKeepsOldFile()
    {
        const QByteArray old = fill("PATH=%G\r\nPALETTE=0\n# kept as is\n");
        writeConfig(old);
        MainWindow w(launcher());
        rlimit normal{};
        getrlimit(RLIMIT_FSIZE, &normal);
        const rlimit tiny{16, normal.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &tiny);
        const bool saved = w.saveConfig();
        setrlimit(RLIMIT_FSIZE, &normal);
        QVERIFY(!saved);
        QCOMPARE(readConfig(), old);
    }
};

QTEST_MAIN(TestSettings)
#include "TestSettings.moc"
