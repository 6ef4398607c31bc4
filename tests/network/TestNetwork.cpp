// The interface survey as the network list shows it; how ForceBindIP starts
// the game and how it ended.
#include "FakeOs.h"
#include "Network.h"

#include <QtTest>

using Version = OsInterface::VersionResource;
Q_DECLARE_METATYPE(Version)

class TestNetwork : public QObject
{
    Q_OBJECT

private slots:
    void survey_data()
    {
        QTest::addColumn<QString>("given"); // "name=address,address;" per interface, in the system's order
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("hamachi");
        QTest::addColumn<int>("byDefault"); // the entry selected without Hamachi
        QTest::newRow("first IPv4, after an IPv6") << "eth0=fe80::1,10.0.0.2,10.0.0.3" << "eth0 | 10.0.0.2" << "" << 0;
        QTest::newRow("IPv6 only left out, order kept") << "a=10.0.0.1;v6=fe80::1,2001:db8::5;b=;c=192.168.1.4"
                                                        << "a | 10.0.0.1; b | NOT connected; c | 192.168.1.4" << "" << 0;
        // Its exact name; an IPv6-only Hamachi makes no record, so the next one is the one found.
        QTest::newRow("first of the exact name with IPv4")
            << "hamachi=25.1.2.3;Hamachi 2=25.1.2.4; Hamachi=25.1.2.5;Hamachi=fe80::1;Hamachi=25.0.0.1;Hamachi=25.0.0.2"
            << "hamachi | 25.1.2.3; Hamachi 2 | 25.1.2.4;  Hamachi | 25.1.2.5; Hamachi | 25.0.0.1; Hamachi | 25.0.0.2"
            << "25.0.0.1" << 0;
        QTest::newRow("LAN VPNs: a ZeroTier without address, in any letter case; Radmin")
            << "lo=127.0.0.1;My Radmin=26.0.0.1;ZeroTier One [8056c2e21c000001]=;RADMIN VPN=26.0.0.2;zerotier one=10.147.17.5"
            << "lo | 127.0.0.1; My Radmin | 26.0.0.1; ZeroTier One [8056c2e21c000001] | NOT connected; RADMIN VPN | "
               "26.0.0.2; zerotier one | 10.147.17.5" << "" << 3;
    }
    void survey()
    {
        QFETCH(QString, given);
        QFETCH(QString, listed);
        QFETCH(QString, hamachi);
        QFETCH(int, byDefault);
        QList<SurveyedInterface> interfaces;
        for (const QString& described : given.split(';')) {
            SurveyedInterface iface{described.section('=', 0, 0), {}};
            for (const QString& address : described.section('=', 1).split(',', Qt::SkipEmptyParts))
                iface.addresses.append(QHostAddress(address));
            interfaces.append(iface);
        }
        const std::vector<NetworkEntry> entries = networkEntries(interfaces);
        QStringList shown;
        for (const NetworkEntry& entry : entries)
            shown << entry.displayText;
        QCOMPARE(shown.join("; "), listed);
        QCOMPARE(hamachiAddress(entries), hamachi);
        QCOMPARE(defaultNetworkIndex(entries), byDefault);
    }

    // Under code page 1252: a path it holds goes as it is, one it lacks as its short form where that is ASCII.
    void forceBindIPGamePath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("shortForm");
        QTest::addColumn<bool>("shortGiven");
        const QString hangul = "C:\\\uac8c\uc784\\StarCraft.exe";
        QTest::newRow("letters of the code page") << "C:\\\u00dcber\\StarCraft.exe" << "C:\\BER~1\\STARCR~1.EXE" << false;
        QTest::newRow("Hangul, an ASCII short form") << hangul << "C:\\4E3B~1\\STARCR~1.EXE" << true;
        QTest::newRow("Hangul, no short form") << hangul << "" << false;
        QTest::newRow("Hangul, a short form keeping it") << hangul << "C:\\\uac8c\uc784\\STARCR~1.EXE" << false;
    }
    void forceBindIPGamePath()
    {
        QFETCH(QString, path);
        QFETCH(QString, shortForm);
        QFETCH(bool, shortGiven);
        FakeOs os;
        os.shortForm = shortForm;
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("windows-1252"));
        const QString given = ::forceBindIPGamePath(path, os);
        QTextCodec::setCodecForLocale(nullptr);
        QCOMPARE(given, shortGiven ? shortForm : path);
    }

    // Windows' codes, which no stand-in on Linux gives: a crash is one of its exception codes.
    void forceBindIPEnd()
    {
        QVERIFY(isCrash(QProcess::CrashExit, 0xC0000005u));
        QVERIFY(isCrash(QProcess::NormalExit, 0xE06D7363u)); // a C++ exception, an exit code to Qt
        QVERIFY(!isCrash(QProcess::NormalExit, 0xFFFFFFFFu));
        QCOMPARE(exitCodeText(0xC0000005u), QString("0xC0000005"));
        QCOMPARE(exitCodeText(0xFFFFFFFFu), QString("-1"));
    }

    // The loader by the game's header, -launch by its version resource, the
    // 64-bit pair from the native folder first.
    void gameStart_data()
    {
        QTest::addColumn<QString>("image"); // the header's machine, then what is wrong with it
        QTest::addColumn<Version>("version"); // no product name: no resource
        QTest::addColumn<QString>("pairs"); // the folders holding the 64-bit pair
        QTest::addColumn<QString>("started");
        const QString x86 = "sys/ForceBindIP.exe 1.2.3.4 %G", x64 = "native/ForceBindIP64.exe 1.2.3.4 %G";
        QTest::newRow("x64, the native pair first") << "x64" << Version() << "native sys" << x64;
        QTest::newRow("x64, the 32-bit system folder's pair alone") << "x64" << Version() << "sys"
                                                                   << "sys/ForceBindIP64.exe 1.2.3.4 %G";
        QTest::newRow("truncated") << "x64 truncated" << Version() << "native" << x86;
        QTest::newRow("no MZ") << "x64 no MZ" << Version() << "native" << x86;
        QTest::newRow("e_lfanew out of range") << "x64 far" << Version() << "native" << x86;
        QTest::newRow("x86 StarCraft 1.16.1") << "x86" << Version{{1, 16, 1, 0}, u"StarCraft"} << "native sys" << x86;
        QTest::newRow("1.18.0") << "x86" << Version{{1, 18, 0, 0}, u"StarCraft"} << "" << x86 + " -launch";
        QTest::newRow("x64 1.23.10, any letter case") << "x64" << Version{{1, 23, 10, 0}, u"STARCRAFT"} << "native"
                                                      << x64 + " -launch";
        QTest::newRow("numbers, not text: 1.9") << "x86" << Version{{1, 9, 0, 0}, u"StarCraft"} << "" << x86;
        QTest::newRow("another product") << "x86" << Version{{1, 23, 10, 0}, u"StarEdit"} << "" << x86;
    }
    void gameStart()
    {
        QFETCH(QString, image);
        QFETCH(Version, version);
        QFETCH(QString, pairs);
        QFETCH(QString, started);
        QTemporaryDir dir;
        for (const QString& folder : pairs.split(' ', Qt::SkipEmptyParts))
            writeFile(dir.filePath(folder + "/ForceBindIP64.exe")), writeFile(dir.filePath(folder + "/BindIP64.dll"));
        QByteArray head = peHead(image.startsWith("x64") ? 0x8664 : 0x14c);
        head = image.endsWith("truncated") ? head.chopped(1) : image.endsWith("far") ? head.replace(0x3c, 1, "\xf8") : head;
        head[0] = image.endsWith("no MZ") ? 'N' : 'M';
        const QString game = writeFile(dir.filePath("sc/x86_64/sc.exe"), head);
        FakeOs os;
        os.systemDir = dir.filePath("sys").toStdString();
        os.nativeDir = dir.filePath("native").toStdString();
        os.version = version;
        const GameStart start = ::gameStart(game, "1.2.3.4", gameFacts(os, game));
        QCOMPARE((QStringList{start.program} + start.arguments).join(' '), dir.path() + '/' + started.replace("%G", game));
    }

    // The elevated copy's command line: anything but its own work is refused,
    // and what the launcher writes reads back the same.
    void elevatedWork_data()
    {
        QTest::addColumn<QString>("arguments"); // %R the result file, %G a game, %T a text .exe, %P a PE .dll
        QTest::addColumn<QString>("refusal"); // how it begins; empty: taken
        QTest::newRow("install") << "%R install" << "";
        QTest::newRow("64-bit install and rules") << "%R install64+rules %G" << "";
        QTest::newRow("start") << "%R start %G 25.1.2.3" << "";
        QTest::newRow("unknown work") << "%R uninstall" << "unknown work";
        QTest::newRow("start with another step") << "%R rules+start %G 25.1.2.3" << "unknown work";
        QTest::newRow("a step twice") << "%R install+install64" << "unknown work";
        QTest::newRow("extra argument") << "%R install %G" << "3 arguments where 2";
        QTest::newRow("no address") << "%R start %G" << "3 arguments where 4";
        QTest::newRow("not the launcher's result file") << "%T install" << "no result file";
        QTest::newRow("relative path") << "%R rules sc/sc.exe" << "the game's path is no full path";
        QTest::newRow("a device path") << "%R rules //./C:/sc/sc.exe" << "the game's path is no full path";
        QTest::newRow("missing file") << "%R rules %G.gone" << "no game file";
        QTest::newRow("a folder") << "%R rules %D" << "no game file";
        QTest::newRow("no PE header") << "%R rules %T" << "the game is no .exe";
        QTest::newRow("a PE library") << "%R rules %P" << "the game is no .exe";
        QTest::newRow("an option for an address") << "%R start %G -i" << "not an IPv4";
        QTest::newRow("short IPv4") << "%R start %G 25.1" << "not an IPv4";
    }
    void elevatedWork()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        const QString game = writeFile(dir.filePath("sc.exe"), peHead(0x14c));
        arguments.replace("%R", writeFile(dir.filePath("velkaro-1.result"))).replace("%G", game).replace("%D", dir.path());
        arguments.replace("%T", writeFile(dir.filePath("text.exe"), "text")).replace("%P", writeFile(dir.filePath("a.dll"), peHead(0x14c)));
        const ElevatedWork work = parseElevatedWork(arguments.split(' '));
        QCOMPARE(work.refusal.left(refusal.size()), refusal);
        QCOMPARE(work.refusal.isEmpty(), refusal.isEmpty());
        if (refusal.isEmpty())
            QCOMPARE(elevatedWorkArguments(work), QStringList{ElevatedVerb} + arguments.split(' '));
    }
};

QTEST_GUILESS_MAIN(TestNetwork)
#include "TestNetwork.moc"
