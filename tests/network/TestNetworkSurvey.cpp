#include "NetworkEntry.h"

#include <QtTest>

namespace {

// "name=addr,addr" per interface, addresses in the order the system gives them.
QList<SurveyedInterface> interfaces(const QStringList& described)
{
    QList<SurveyedInterface> result;
    for (const QString& line : described) {
        SurveyedInterface iface{line.section(QLatin1Char('='), 0, 0), {}};
        for (const QString& address : line.section(QLatin1Char('='), 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
            iface.addresses.append(QHostAddress(address));
        result.append(iface);
    }
    return result;
}

QStringList rendered(const std::vector<NetworkEntry>& entries)
{
    QStringList lines;
    for (const NetworkEntry& e : entries)
        lines << QStringLiteral("%1 [%2] %3").arg(e.displayText, e.ip, e.connected ? "connected" : "down");
    return lines;
}

} // namespace

class TestNetworkSurvey : public QObject
{
    Q_OBJECT

private slots:
    void mapping_data()
    {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("nothing") << QStringList() << QStringList();
        QTest::newRow("first IPv4, after an IPv6")
            << QStringList{"eth0=fe80::1,10.0.0.2,10.0.0.3"} << QStringList{"eth0 | 10.0.0.2 [10.0.0.2] connected"};
        QTest::newRow("no address") << QStringList{"wifi="} << QStringList{"wifi | NOT connected [] down"};
        QTest::newRow("IPv6 only left out, order kept")
            << QStringList{"a=10.0.0.1", "v6=fe80::1,2001:db8::5", "b=", "c=192.168.1.4"}
            << QStringList{"a | 10.0.0.1 [10.0.0.1] connected", "b | NOT connected [] down",
                           "c | 192.168.1.4 [192.168.1.4] connected"};
        QTest::newRow("loopback like any other")
            << QStringList{"lo=::1,127.0.0.1"} << QStringList{"lo | 127.0.0.1 [127.0.0.1] connected"};
    }
    void mapping()
    {
        QFETCH(QStringList, given);
        QFETCH(QStringList, expected);
        QCOMPARE(rendered(networkEntries(interfaces(given))), expected);
    }

    void hamachi_data()
    {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QString>("expected");

        QTest::newRow("after others, IPv6 first") << QStringList{"eth0=10.0.0.1", "Hamachi=2001:db8::1,25.1.2.3"}
                                                  << "25.1.2.3";
        QTest::newRow("lower case") << QStringList{"hamachi=25.1.2.3"} << "";
        QTest::newRow("suffix") << QStringList{"Hamachi 2=25.1.2.3"} << "";
        QTest::newRow("leading blank") << QStringList{" Hamachi=25.1.2.3"} << "";
        QTest::newRow("two: the first") << QStringList{"Hamachi=25.0.0.1", "Hamachi=25.0.0.2"} << "25.0.0.1";
        QTest::newRow("no address") << QStringList{"eth0=10.0.0.1", "Hamachi="} << "";
        // An IPv6-only Hamachi makes no record, so a later one is the one found.
        QTest::newRow("IPv6-only one passed over") << QStringList{"Hamachi=fe80::1", "Hamachi=25.0.0.2"} << "25.0.0.2";
    }
    void hamachi()
    {
        QFETCH(QStringList, given);
        QFETCH(QString, expected);
        QCOMPARE(hamachiAddress(networkEntries(interfaces(given))), expected);
    }
};

QTEST_APPLESS_MAIN(TestNetworkSurvey)
#include "TestNetworkSurvey.moc"
