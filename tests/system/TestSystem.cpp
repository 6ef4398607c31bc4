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
};

QTEST_APPLESS_MAIN(TestSystem)
#include "TestSystem.moc"
