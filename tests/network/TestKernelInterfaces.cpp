// The launcher window over real kernel interfaces. Run by run-in-netns.sh,
// each test function in the private network namespace built for it.
#include "../FakeOs.h"
#include "MainWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

class TestKernelInterfaces : public QObject
{
    Q_OBJECT

    FakeOs os;
    QTemporaryDir launcher;
    QScopedPointer<MainWindow> w;

    QStringList items() const
    {
        const auto box = w->findChild<QComboBox*>(QStringLiteral("cbNetworks"));
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    }
    QRadioButton* radio(const char* name) const { return w->findChild<QRadioButton*>(QLatin1String(name)); }

private slots:
    void init()
    {
        os.systemDir = launcher.path().toStdString();
        w.reset(new MainWindow(launcher.filePath(QStringLiteral("velkaro"))));
    }

    void withHamachi()
    {
        // v6only holds IPv6 addresses alone; bare is down without any address.
        QCOMPARE(items(), (QStringList{"lo | 127.0.0.1", "Hamachi | 25.1.2.3", "lan0 | 25.9.9.9", "bare | NOT connected"}));
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("leHamachiIP"))->text(), QStringLiteral("25.1.2.3"));
        QVERIFY(radio("rbHamachi")->isChecked() && radio("rbHamachi")->isEnabled());
        QVERIFY(!radio("rbSelNetwork")->isChecked());
    }

    void withoutHamachi()
    {
        QCOMPARE(items(), (QStringList{"lo | 127.0.0.1", "lan0 | 25.9.9.9", "hamachi | 25.4.4.4"}));
        QVERIFY(w->findChild<QLineEdit*>(QStringLiteral("leHamachiIP"))->text().isEmpty());
        QVERIFY(!radio("rbHamachi")->isChecked() && !radio("rbHamachi")->isEnabled());
        QVERIFY(radio("rbSelNetwork")->isChecked() && radio("rbSelNetwork")->isEnabled());
    }

    void withoutAnyRecord()
    {
        QCOMPARE(items(), QStringList());
        QVERIFY(!radio("rbHamachi")->isEnabled() && !radio("rbSelNetwork")->isEnabled());
        QVERIFY(!w->findChild<QPushButton*>(QStringLiteral("btnLaunch"))->isEnabled());
    }
};

QTEST_MAIN(TestKernelInterfaces)
#include "TestKernelInterfaces.moc"
