// The interface survey as the network list shows it; how ForceBindIP ended.
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
};

QTEST_GUILESS_MAIN(TestNetwork)
#include "TestNetwork.moc"
