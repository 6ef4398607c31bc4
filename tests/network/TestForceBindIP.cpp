#include "FakeOs.h"
#include "MainWindow.h"
#include "TestFiles.h"

#include <QCheckBox>
#include <QStatusBar>
#include <QtTest>

class TestForceBindIP : public QObject
{
    Q_OBJECT
    FakeOs os;


private slots:
    void install_data()
    {
        QTest::addColumn<QString>("inLauncher"); // F: ForceBindIP.exe, B: BindIP.dll
        QTest::addColumn<QString>("inSystem");
        QTest::addColumn<QByteArray>("afterwards"); // per file l: copied from the launcher folder, s: there before
        QTest::newRow("fresh") << "FB" << "" << QByteArray("ll");
        QTest::newRow("library there, kept") << "FB" << "B" << QByteArray("ls");
        QTest::newRow("both there, kept") << "FB" << "FB" << QByteArray("ss");
        QTest::newRow("no library to copy") << "F" << "" << QByteArray("l-");
    }
    void install()
    {
        QFETCH(QString, inLauncher);
        QFETCH(QString, inSystem);
        QFETCH(QByteArray, afterwards);
        QTemporaryDir launcher, system;
        os.systemDir = system.path().toStdString();
        for (const QString name : {"ForceBindIP.exe", "BindIP.dll"}) {
            if (inLauncher.contains(name[0]))
                writeFile(launcher.filePath(name), "l");
            if (inSystem.contains(name[0]))
                writeFile(system.filePath(name), "s");
        }
        MainWindow w(launcher.filePath("velkaro"));
        QCOMPARE(w.findChild<QCheckBox*>("cbForceBindIP")->isChecked(), inSystem.size() == 2);
        QCOMPARE(w.installForceBindIP(), !afterwards.contains('-')); // installed: both files in place
        QCOMPARE(readFile(system.filePath("ForceBindIP.exe"), "-") + readFile(system.filePath("BindIP.dll"), "-"), afterwards);
    }

    // Nothing to copy, so the install fails.
    void failedInstallStopsLaunch()
    {
        QTemporaryDir launcher, system;
        os.systemDir = system.path().toStdString();
        // A valid game path, so only the failed install can stop the launch.
        const QByteArray config = "PATH=" + QFile::encodeName(launcher.path()) + '\n';
        writeFile(launcher.filePath("config.txt"), config);
        MainWindow w(launcher.filePath("velkaro"));
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_F5);
        QVERIFY(w.statusBar()->currentMessage().startsWith("Unable to install forceBindIP."));
        QVERIFY(w.isVisible() && !w.findChild<QCheckBox*>("cbForceBindIP")->isChecked());
        QCOMPARE(readFile(launcher.filePath("config.txt"), "-"), config);
    }
};

QTEST_MAIN(TestForceBindIP)
#include "TestForceBindIP.moc"
