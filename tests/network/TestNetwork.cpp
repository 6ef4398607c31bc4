// The interface survey as the network list shows it; how ForceBindIP ended.
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
        QTest::addColumn<int>("byDefault"); // the entry selected without Hamachi
        QTest::newRow("first IPv4, after an IPv6") << "eth0=fe80::1,10.0.0.2,10.0.0.3" << "eth0 | 10.0.0.2" << "" << 0;
        QTest::newRow("IPv6 only left out, order kept") << "a=10.0.0.1;v6=fe80::1,2001:db8::5;b=;c=192.168.1.4"
                                                        << "a | 10.0.0.1; b | NOT connected; c | 192.168.1.4" << "" << 0;
        QTest::newRow("exact name") << "hamachi=25.1.2.3;Hamachi 2=25.1.2.4; Hamachi=25.1.2.5"
                                    << "hamachi | 25.1.2.3; Hamachi 2 | 25.1.2.4;  Hamachi | 25.1.2.5" << "" << 0;
        // An IPv6-only Hamachi makes no record, so the next one is the one found.
        QTest::newRow("first of two with IPv4") << "Hamachi=fe80::1;Hamachi=25.0.0.1;Hamachi=25.0.0.2"
                                                << "Hamachi | 25.0.0.1; Hamachi | 25.0.0.2" << "25.0.0.1" << 0;
        QTest::newRow("LAN VPNs: a ZeroTier without address, in any letter case")
            << "lo=127.0.0.1;My Radmin=26.0.0.1;ZeroTier One [8056c2e21c000001]=;zerotier one=10.147.17.5;Radmin VPN=26.0.0.2"
            << "lo | 127.0.0.1; My Radmin | 26.0.0.1; ZeroTier One [8056c2e21c000001] | NOT connected; zerotier one | "
               "10.147.17.5; Radmin VPN | 26.0.0.2" << "" << 3;
        QTest::newRow("LAN VPNs: Radmin VPN") << "lo=127.0.0.1;RADMIN VPN=26.0.0.1;ZeroTier One [1]=10.147.17.5"
                                              << "lo | 127.0.0.1; RADMIN VPN | 26.0.0.1; ZeroTier One [1] | 10.147.17.5" << "" << 1;
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
