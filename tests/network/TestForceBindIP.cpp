#include "../FakeOs.h"
#include "MainWindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Program = QStringLiteral("ForceBindIP.exe");
const QString Library = QStringLiteral("BindIP.dll");

// A launcher folder and a system directory of the test's own.
struct Folders
{
    FakeOs os;
    QTemporaryDir launcher, system;
    Folders()
    {
        os.systemDir = system.path().toStdString();
        os.versionAnswers = false; // no preparations should a launch go further than meant
    }
    QString program() const { return launcher.filePath(QStringLiteral("velkaro")); }
};

// Each file holds the name of its folder, so a copy can be told from an original.
void put(const QTemporaryDir& dir, const QStringList& names, const QByteArray& content)
{
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
}

QStringList contents(const QTemporaryDir& dir)
{
    QStringList found;
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::ReadOnly);
        found << name + QLatin1Char('=') + QString::fromLocal8Bit(file.readAll());
    }
    return found;
}

bool boxTicked(const MainWindow& w)
{
    return w.findChild<QCheckBox*>(QStringLiteral("cbForceBindIP"))->isChecked();
}

} // namespace

class TestForceBindIP : public QObject
{
    Q_OBJECT

private slots:
    void install_data()
    {
        QTest::addColumn<QStringList>("inLauncher");
        QTest::addColumn<QStringList>("inSystem");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QStringList>("afterwards");

        const QStringList both{Program, Library}, none;
        QTest::newRow("fresh") << both << none << true << QStringList{"BindIP.dll=launcher", "ForceBindIP.exe=launcher"};
        QTest::newRow("program there, kept") << both << QStringList{Program} << true
                                             << QStringList{"BindIP.dll=launcher", "ForceBindIP.exe=system"};
        QTest::newRow("library there, kept") << both << QStringList{Library} << true
                                             << QStringList{"BindIP.dll=system", "ForceBindIP.exe=launcher"};
        QTest::newRow("both there, kept") << both << both << true
                                          << QStringList{"BindIP.dll=system", "ForceBindIP.exe=system"};
        QTest::newRow("nothing anywhere") << none << none << false << none;
        QTest::newRow("no library to copy") << QStringList{Program} << none << false
                                            << QStringList{"ForceBindIP.exe=launcher"};
    }
    void install()
    {
        QFETCH(QStringList, inLauncher);
        QFETCH(QStringList, inSystem);
        QFETCH(bool, installed);
        QFETCH(QStringList, afterwards);
        Folders f;
        put(f.launcher, inLauncher, "launcher");
        put(f.system, inSystem, "system");

        MainWindow w(f.program());
        const bool before = inSystem.size() == 2;
        QCOMPARE(w.isForceBindIPInstalled(), before);
        QCOMPARE(boxTicked(w), before);
        QCOMPARE(w.installForceBindIP(), installed);
        QCOMPARE(contents(f.system), afterwards);
    }

    void failedInstallStopsLaunch()
    {
        Folders f;
        // A valid game path, so only the failed install can stop the launch.
        const QByteArray config = "PATH=" + f.launcher.filePath(QStringLiteral("config.txt")).toLocal8Bit() + '\n';
        put(f.launcher, {QStringLiteral("config.txt")}, config);
        MainWindow w(f.program());
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        QTest::keyClick(&w, Qt::Key_F5);

        QCOMPARE(w.statusBar()->currentMessage(),
                 QStringLiteral("Unable to install forceBindIP. Make sure for running app with Administrative privileges."));
        QVERIFY(w.isVisible());
        QVERIFY(!boxTicked(w));
        QCOMPARE(contents(f.launcher), QStringList{"config.txt=" + QString::fromLocal8Bit(config)});
    }

    void successfulInstallTicksBox()
    {
        Folders f;
        put(f.launcher, {Program, Library}, "launcher");
        MainWindow w(f.program());
        // No game path: the launch stops right after installing.
        w.findChild<QLineEdit*>(QStringLiteral("leSCPath"))->clear();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        QTest::keyClick(&w, Qt::Key_F5);

        QVERIFY(boxTicked(w));
        QCOMPARE(contents(f.system).size(), 2);
        QVERIFY(w.statusBar()->currentMessage().isEmpty());
        QVERIFY(w.isVisible());
    }
};

QTEST_MAIN(TestForceBindIP)
#include "TestForceBindIP.moc"
