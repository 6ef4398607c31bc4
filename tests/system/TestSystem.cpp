// What the launcher makes of the Windows version and where Windows' own programs lie.
#include "System.h"

#include <QtTest>

class TestSystem : public QObject
{
    Q_OBJECT

private slots:
    void versionLevels()
    {
        // platform id, major version, level: above 5 is Vista or later, 7 stands for 7 and later.
        const int cases[][3] = {{2, 5, 5}, {2, 6, 6}, {2, 10, 7}, {1, 6, 5}};
        for (const auto& c : cases)
            QCOMPARE(versionLevel(c[0], c[1]), c[2]);
    }

    void systemPrograms()
    {
        QCOMPARE(systemProgram("C:\\Windows\\system32\\", "netsh"), QString("C:\\Windows\\system32\\netsh.exe"));
        QCOMPARE(systemProgram("C:\\Windows\\system32\\", "rundll32.exe"),
                 QString("C:\\Windows\\system32\\rundll32.exe"));
        QCOMPARE(systemProgram(QString(), "netsh"), QString("netsh"));
    }
};

QTEST_APPLESS_MAIN(TestSystem)
#include "TestSystem.moc"
