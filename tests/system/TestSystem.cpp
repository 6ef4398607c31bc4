// The compatibility layers a launch writes over what the user already set.
#include "System.h"

#include <QtTest>

class TestSystem : public QObject
{
    Q_OBJECT

private slots:
    void compatibilityLayers_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<bool>("administrator");
        QTest::addColumn<QString>("written");
        QTest::newRow("none yet") << "" << true << "DISABLEDWM HIGHDPIAWARE RUNASADMIN";
        QTest::newRow("the user's kept, with the leading ~") << "~ WINXPSP3 RUNASADMIN 256COLOR" << false
                                                             << "~ WINXPSP3 256COLOR DISABLEDWM HIGHDPIAWARE";
        QTest::newRow("ours once, in any letter case") << "highdpiaware  DisableDWM WINXPSP3" << true
                                                       << "WINXPSP3 DISABLEDWM HIGHDPIAWARE RUNASADMIN";
    }
    void compatibilityLayers()
    {
        QFETCH(QString, existing);
        QFETCH(bool, administrator);
        QFETCH(QString, written);
        QCOMPARE(::compatibilityLayers(existing, administrator), written);
    }
};

QTEST_APPLESS_MAIN(TestSystem)
#include "TestSystem.moc"
