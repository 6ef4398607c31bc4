// config.txt as bytes, its atomic write, and the game path as the launcher takes it.
#include "FakeOs.h"
#include "Settings.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// Paths the tests call missing hold "gone"; one character is never a path.
bool exists(const QString& path)
{
    return path.size() >= 2 && !path.contains(QLatin1String("gone"));
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    // What a file reads as, shown by what a save then writes.
    void readThenWrite_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("saved");
        const QByteArray game = "C:\\Program Files (x86)\\Star-\xc3\xa9\\a=b\\StarCraft.exe";
        QTest::newRow("as written") << stored(game, "0721") << stored(game, "0721");
        QTest::newRow("CR LF, blanks around =") << " \tPALETTE \t=  0  \r\nPATH \t=  " + game + " \t \r\n"
                                                << stored(game, "1101");
        QTest::newRow("numbers") << QByteArray("PALETTE=2147483647\nPALETTE=-1\nADMINISTRATOR=010\nCOMPABILITY=yes\n"
                                               "FIREWALL_EXCEPTION=2147483648\n")
                                 << QByteArray("PATH=\nFIREWALL_EXCEPTION=0\nCOMPABILITY=0\nPALETTE=2147483647\nADMINISTRATOR=10\n");
        QTest::newRow("later line wins") << QByteArray("PALETTE=0\nPALETTE=5\nPATH=C:\\a\nPATH=D:\\\n")
                                         << stored("D:\\", "1151");
        QTest::newRow("missing PATH keeps earlier") << QByteArray("PATH=C:\\sc\nPATH=C:\\gone\nPATH=\nPATH=/\n")
                                                    << stored("C:\\sc");
        // As Notepad saves a file: no final line break, and "Unicode" is UTF-16 with a byte-order mark.
        QTest::newRow("no final LF on PATH") << QByteArray("PALETTE=0\nPATH=C:\\sc") << stored("C:\\sc", "1101");
        // A line holding a zero sets nothing.
        const QString unicode = QChar(0xfeff) + QString("PATH=C:\\\u0418\u0433\u0440\u044b\\\u010d.exe\r\nPALETTE=0\r\nbad")
                                + QChar(0) + "PALETTE=3\r\n";
        const QByteArray unicodeSaved = stored("C:\\\xd0\x98\xd0\xb3\xd1\x80\xd1\x8b\\\xc4\x8d.exe", "1101");
        QByteArray le;
        for (const QChar c : unicode)
            le.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
        QTest::newRow("UTF-16 LE with BOM") << le << unicodeSaved;
        QTest::newRow("zero byte ends line") << QByteArray("COMPABILITY=1\0COMPABILITY=0\n", 28) << stored("");
        QTest::newRow("text before key, other keys") << QByteArray("#PATH=C:\\sc\nab PALETTE=0\nXPATH=C:\\x\nXPALETTE=1\npath=C:\\x\npalette=1\n")
                                                     << stored("C:\\sc", "1101");
        QTest::newRow("1023-byte pieces") << QByteArray(1023, 'x') + "PALETTE=0\n" + QByteArray(1022, 'x')
                                                 + "PALETTE=1\n"
                                          << stored("", "1101");
        // A network's name is the whole rest of its line; the last NETWORK line wins, an empty one keeps nothing.
        QTest::newRow("NETWORK, odd characters") << QByteArray("NETWORK=eth0\n NETWORK = ZeroTier One [8056c2e21c000001] =x \nADMINISTRATOR=0\n")
                                                 << stored("", "1110", "ZeroTier One [8056c2e21c000001] =x");
        // Earlier versions would take such a name's PALETTE for theirs.
        QTest::newRow("NETWORK holding a key, then empty") << QByteArray("PALETTE=3\nNETWORK=my lan PALETTE=0\nNETWORK=\n")
                                                           << stored("", "1131");
        QTest::newRow("Cyrillic NETWORK, code page windows-1252") << QByteArray("\xef\xbb\xbfNETWORK=\xd0\xa1\xd0\xb5\xd1\x82\xd1\x8c\nPATH=C:\\sc")
                                                              << "\xef\xbb\xbf" + stored("C:\\sc", "1111", "\xd0\xa1\xd0\xb5\xd1\x82\xd1\x8c");
        // The system's 8-bit encoding where it holds the path, else UTF-8 with a byte-order mark.
        QTest::newRow("Cyrillic, code page windows-1251")
            << QByteArray("\xef\xbb\xbfPATH=C:\\\xd0\x98\xd0\xb3\xd1\x80\xd1\x8b.exe") << stored("C:\\\xc8\xe3\xf0\xfb.exe");
    }
    void readThenWrite()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, saved);
        QString path, network;
        LaunchOptions options;
        // No code page named: the system's.
        QTextCodec::setCodecForLocale(QTextCodec::codecForName(QString(QTest::currentDataTag()).section("code page ", 1).toLatin1()));
        readConfig(content, path, options, network, exists);
        const QByteArray written = writeConfig(path, options, network);
        QTextCodec::setCodecForLocale(nullptr);
        QCOMPARE(written, saved);
    }

    // A path or network that would not read back as itself is stored as none at all; the
    // reader's 1023 bytes hold the CR LF of Windows' text mode too.
    void pathThatWouldNotComeBack()
    {
        QCOMPARE(writeConfig(QString(1016, 'a'), {}, QString(1013, 'a')),
                 stored(QByteArray(1016, 'a'), "1111", QByteArray(1013, 'a')));
        // A network's limit is the path's less the three letters its key is longer; blanks around it would go.
        for (const QString& path : {QString(1017, 'a'), QString("C:\\a") + QChar(0xd800) + ".exe",
                                    QString("/a\nPALETTE=0"), QString("/a\rb"), QString("/a") + QChar(0) + "b"})
            QCOMPARE(writeConfig(path, {}, path.size() > 1000 ? path.mid(3) : path), stored(""));
        QCOMPARE(writeConfig("", {}, " a"), stored(""));
    }

    // Root ignores permissions, so a file size limit stands in for a full disk.
    void failedWriteKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("config.txt");
        QVERIFY(replaceTextFile(name, "old\n"));
        rlimit normal{};
        getrlimit(RLIMIT_FSIZE, &normal);
        const rlimit tiny{16, normal.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &tiny);
        const bool written = replaceTextFile(name, stored("C:\\sc"));
        setrlimit(RLIMIT_FSIZE, &normal);
        QByteArray bytes;
        QVERIFY(!written && readTextFile(name, bytes));
        QCOMPARE(bytes, QByteArray("old\n"));
        // Read as bytes: a carriage-return byte inside UTF-16 text stays.
        QVERIFY(replaceTextFile(name, "\xff\xfe\x0d\x01") && readTextFile(name, bytes));
        QCOMPARE(bytes, QByteArray("\xff\xfe\x0d\x01"));
    }

    // The one form a typed or pasted path takes before anything uses it.
    void cleanGamePath_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("clean");
        QTest::newRow("pasted with blanks and a line break") << " \t\"/games/sc.exe\" \r\n" << "/games/sc.exe";
        QTest::newRow("doubled and dotted separators") << "/games//sc/./x/../sc.exe/" << "/games/sc/sc.exe";
        QTest::newRow("quotes inside stay") << "/a \"b\".exe" << "/a \"b\".exe";
        QTest::newRow("nothing left") << " \"\" " << "";
        // "\\?\" paths, which Windows' full path keeps whole, go plain only where that names the same file.
        const QString longest = "C:\\" + QString(252, 'a') + ".exe"; // 259 characters, MAX_PATH with its zero
        QTest::newRow("\\\\?\\, just short enough") << "\\\\?\\" + longest << longest;
        QTest::newRow("\\\\?\\, long") << "\\\\?\\" + longest + "x" << "\\\\?\\" + longest + "x";
        QTest::newRow("\\\\?\\, trailing dot") << "\\\\?\\C:\\Games.\\sc.exe" << "\\\\?\\C:\\Games.\\sc.exe";
        QTest::newRow("\\\\?\\, CON") << "\\\\?\\C:\\CON\\sc.exe" << "\\\\?\\C:\\CON\\sc.exe";
        const QString volume = "\\\\?\\Volume{3f1b2c4d-0000-0000-0000-100000000000}\\sc.exe";
        QTest::newRow("\\\\?\\Volume{...}") << volume << volume;
        QTest::newRow("\\\\?\\UNC\\") << "\\\\?\\UNC\\server\\share\\sc.exe" << "\\\\server\\share\\sc.exe";
    }
    void cleanGamePath()
    {
        QFETCH(QString, typed);
        QFETCH(QString, clean);
        FakeOs os; // which makes no full path but keeps "\\?\" paths whole, as Windows does
        QCOMPARE(::cleanGamePath(typed, os), clean);
    }

    // A folder stands for its own game first, then today's client's, then the
    // older one's; the registry's folder likewise where it holds no starcraft.exe,
    // else it names that file, as one lying there.
    void folderRule_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("windows64");
        QTest::addColumn<QString>("game"); // empty: none, the folder stays itself
        const QStringList both{"StarCraft Launcher.exe", "x86/starcraft.exe", "x86_64/StarCraft.exe"};
        QTest::newRow("its own first") << both + QStringList{"StarCraft.exe"} << true << "StarCraft.exe";
        QTest::newRow("x86_64 before x86") << both << true << "x86_64/StarCraft.exe";
        QTest::newRow("x86_64 only on 64-bit Windows") << both << false << "x86/starcraft.exe";
        QTest::newRow("any letter case") << QStringList{"X86_64/STARCRAFT.EXE"} << true << "X86_64/STARCRAFT.EXE";
        QTest::newRow("nothing found") << QStringList{"StarCraft Launcher.exe", "x64/StarCraft.exe"} << true << "";
    }
    void folderRule()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, windows64);
        QFETCH(QString, game);
        QTemporaryDir dir;
        for (const QString& file : files)
            writeFile(dir.filePath(file));
        QCOMPARE(gameFile(dir.path(), windows64), game.isEmpty() ? dir.path() : dir.filePath(game));
        // The registry's folder: no record, no path; one separator before the file name.
        FakeOs os;
        QCOMPARE(installedGamePath(os), QString());
        os.windows64 = windows64;
        os.installPath = dir.path() + (game.isEmpty() ? "\\" : "");
        QCOMPARE(installedGamePath(os), game.isEmpty() ? dir.path() + "\\starcraft.exe" : dir.filePath(game));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "TestSettings.moc"
