// The compatibility layers a launch writes over what the user already set.
#include "System.h"

#include <QtTest>

class TestSystem : public QObject
{
    Q_OBJECT

private slots:
    void compatibilityLayers()
    {
        QCOMPARE(::compatibilityLayers("", true), QString("DISABLEDWM HIGHDPIAWARE RUNASADMIN"));
        // The user's own kept, with the leading ~.
        QCOMPARE(::compatibilityLayers("~ WINXPSP3 RUNASADMIN 256COLOR", false),
                 QString("~ WINXPSP3 256COLOR DISABLEDWM HIGHDPIAWARE"));
        // Ours once, in any letter case.
        QCOMPARE(::compatibilityLayers("highdpiaware  DisableDWM WINXPSP3", true),
                 QString("WINXPSP3 DISABLEDWM HIGHDPIAWARE RUNASADMIN"));
    }

    // What ShellExecuteExW takes as one string, as CommandLineToArgvW splits it again.
    void windowsCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("line");
        QTest::newRow("plain, a trailing backslash kept, empty") << QStringList{"rules", "C:\\sc\\", ""} << "rules C:\\sc\\ \"\"";
        QTest::newRow("a blank, a final backslash doubled") << QStringList{"C:\\Star Craft\\"} << "\"C:\\Star Craft\\\\\"";
        QTest::newRow("quotes and backslashes before them") << QStringList{"a \"b\" c\\\"d"}
                                                            << "\"a \\\"b\\\" c\\\\\\\"d\"";
    }
    void windowsCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, line);
        QCOMPARE(::windowsCommandLine(arguments), line);
    }

    // The launcher's rules as the firewall reads them: "name application protocol profiles [off|out|block|near]",
    // G the game, in any letters, - none.
    void firewallRulesInPlace_data()
    {
        QTest::addColumn<QStringList>("rules");
        QTest::addColumn<bool>("inPlace");
        const QStringList any{"StarCraft993 G 256 7", "StarCraftTCPUDP - 256 7"};
        QTest::newRow("both, any protocol, every profile") << any << true;
        QTest::newRow("the old context's per protocol and the advanced one's public, path in capitals")
            << QStringList{"StarCraft993 G 6 3", "StarCraft993 G 17 3", "StarCraft993 g 256 4", "StarCraftTCPUDP - 6 3",
                           "StarCraftTCPUDP - 17 3", "StarCraftTCPUDP - 6 4", "StarCraftTCPUDP - 17 4"}
            << true;
        QTest::newRow("no public profile") << QStringList{"StarCraft993 G 256 3", any[1]} << false;
        QTest::newRow("port over TCP alone") << QStringList{any[0], "StarCraftTCPUDP - 6 7"} << false;
        QTest::newRow("another program") << QStringList{"StarCraft993 other.exe 256 7", any[1]} << false;
        QTest::newRow("another name") << QStringList{"StarCraft G 256 7", any[1]} << false;
        for (const char* flaw : {"off", "out", "block", "near"})
            QTest::newRow(flaw) << QStringList{any[0] + ' ' + flaw, any[1]} << false;
    }
    void firewallRulesInPlace()
    {
        QFETCH(QStringList, rules);
        QFETCH(bool, inPlace);
        const QString game = "C:\\Games\\sc.exe";
        std::vector<OsInterface::FirewallRule> read;
        for (const QString& rule : rules) {
            const QStringList f = rule.split(' ');
            const QString application = f[1] == "G" ? game : f[1] == "g" ? game.toUpper() : f[1] == "-" ? "" : f[1];
            const QString flaw = f.value(4);
            read.push_back({f[0].toStdU16String(), application.toStdU16String(), f[1] == "-" ? u"6112" : u"",
                            flaw == "near" ? u"LocalSubnet" : u"*", u"All", f[2].toInt(), f[3].toInt(), flaw != "off",
                            flaw != "out", flaw != "block"});
        }
        QCOMPARE(::firewallRulesInPlace(read, game), inPlace);
    }
};

QTEST_APPLESS_MAIN(TestSystem)
#include "TestSystem.moc"
