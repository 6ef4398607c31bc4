// The interface survey as the network list shows it; how ForceBindIP starts
// the game and how it ended.
#include "FakeOs.h"
#include "Network.h"

#include <QtTest>

class TestNetwork : public QObject
{
    Q_OBJECT

private slots:
    void survey_data()
    {
        QTest::addColumn<QString>("given"); // "name=address,address;" per interface, in the system's order
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("hamachi");
        QTest::newRow("first IPv4, after an IPv6") << "eth0=fe80::1,10.0.0.2,10.0.0.3" << "eth0 | 10.0.0.2" << "";
        QTest::newRow("IPv6 only left out, order kept") << "a=10.0.0.1;v6=fe80::1,2001:db8::5;b=;c=192.168.1.4"
                                                        << "a | 10.0.0.1; b | NOT connected; c | 192.168.1.4" << "";
        QTest::newRow("exact name") << "hamachi=25.1.2.3;Hamachi 2=25.1.2.4; Hamachi=25.1.2.5"
                                    << "hamachi | 25.1.2.3; Hamachi 2 | 25.1.2.4;  Hamachi | 25.1.2.5" << "";
        // An IPv6-only Hamachi makes no record, so the next one is the one found.
        QTest::newRow("first of two with IPv4") << "Hamachi=fe80::1;Hamachi=25.0.0.1;Hamachi=25.0.0.2"
                                                << "Hamachi | 25.0.0.1; Hamachi | 25.0.0.2" << "25.0.0.1";
    }
    void survey()
    {
        QFETCH(QString, given);
        QFETCH(QString, listed);
        QFETCH(QString, hamachi);
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
    }

    // Windows' codes, which no stand-in on Linux gives: "crash" or "exit", then the code as shown.
    void forceBindIPEnd_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<quint32>("code");
        QTest::addColumn<QString>("read");
        QTest::newRow("access violation") << int(QProcess::CrashExit) << 0xC0000005u << "crash 0xC0000005";
        QTest::newRow("C++ exception, an exit code to Qt") << int(QProcess::NormalExit) << 0xE06D7363u << "crash 0xE06D7363";
        QTest::newRow("exit(-1)") << int(QProcess::NormalExit) << 0xFFFFFFFFu << "exit -1";
    }
    void forceBindIPEnd()
    {
        QFETCH(int, status);
        QFETCH(quint32, code);
        QFETCH(QString, read);
        QCOMPARE((isCrash(QProcess::ExitStatus(status), code) ? "crash " : "exit ") + exitCodeText(code), read);
    }

    // The loader by the game's header, -launch by its version resource, the
    // 64-bit pair from the native folder first; the game's folder to start in.
    void gameStart_data()
    {
        QTest::addColumn<QString>("image"); // a machine, then what is wrong with the header
        QTest::addColumn<QString>("version"); // file version and product name; empty: no resource
        QTest::addColumn<QString>("pairs"); // the folders holding the 64-bit pair
        QTest::addColumn<QString>("started");
        const QString x86 = "sys/ForceBindIP.exe 1.2.3.4 %G";
        QTest::newRow("x86") << "x86" << "" << "native sys" << x86;
        QTest::newRow("x64, the native pair first") << "x64" << "" << "native sys" << "native/ForceBindIP64.exe 1.2.3.4 %G";
        QTest::newRow("x64, the 32-bit system folder's pair") << "x64" << "" << "sys" << "sys/ForceBindIP64.exe 1.2.3.4 %G";
        QTest::newRow("x64, no pair: where the install puts it") << "x64" << "" << "" << "native/ForceBindIP64.exe 1.2.3.4 %G";
        QTest::newRow("truncated") << "x64 truncated" << "" << "native" << x86;
        QTest::newRow("no MZ") << "x64 no MZ" << "" << "native" << x86;
        QTest::newRow("e_lfanew out of range") << "x64 far" << "" << "native" << x86;
        QTest::newRow("1.16.1") << "x86" << "1.16.1.0 StarCraft" << "" << x86;
        QTest::newRow("1.18.0") << "x86" << "1.18.0.0 StarCraft" << "" << x86 + " -launch";
        QTest::newRow("1.23.10, any letter case") << "x64" << "1.23.10.0 STARCRAFT" << "native"
                                                  << "native/ForceBindIP64.exe 1.2.3.4 %G -launch";
        QTest::newRow("numbers, not text: 1.9") << "x86" << "1.9.0.0 StarCraft" << "" << x86;
        QTest::newRow("another product") << "x86" << "1.23.10.0 StarEdit" << "" << x86;
    }
    void gameStart()
    {
        QFETCH(QString, image);
        QFETCH(QString, version);
        QFETCH(QString, pairs);
        QFETCH(QString, started);
        QTemporaryDir dir;
        for (const QString& folder : pairs.split(' ', Qt::SkipEmptyParts)) {
            for (const char* file : {"/ForceBindIP64.exe", "/BindIP64.dll"})
                QVERIFY(QDir().mkpath(dir.filePath(folder)) && QFile(dir.filePath(folder) + file).open(QIODevice::WriteOnly));
        }
        QByteArray head = peHead(image.startsWith("x64") ? 0x8664 : 0x14c);
        head = image.endsWith("truncated") ? head.chopped(1) : image.endsWith("far") ? head.replace(0x3c, 1, "\xf8") : head;
        head[0] = image.endsWith("no MZ") ? 'N' : 'M';
        const QString game = dir.filePath("sc/x86_64/sc.exe");
        QFile file(game);
        QVERIFY(QDir().mkpath(dir.filePath("sc/x86_64")) && file.open(QIODevice::WriteOnly) && file.write(head) > 0);
        file.close();
        FakeOs os;
        os.systemDir = dir.filePath("sys").toStdString();
        os.nativeDir = dir.filePath("native").toStdString();
        for (int i = 0; i < 4 && !version.isEmpty(); ++i)
            os.version.fileVersion[std::size_t(i)] = quint16(version.section(' ', 0, 0).section('.', i, i).toUInt());
        os.version.productName = version.section(' ', 1).toStdU16String();
        const GameStart start = ::gameStart(game, "1.2.3.4", gameFacts(os, game));
        QCOMPARE((QStringList{start.program} + start.arguments).join(' '), dir.path() + '/' + started.replace("%G", game));
        QCOMPARE(start.workingDirectory, dir.filePath("sc/x86_64"));
    }
};

QTEST_GUILESS_MAIN(TestNetwork)
#include "TestNetwork.moc"
