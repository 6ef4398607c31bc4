// The launcher window over real kernel interfaces. Run by run-in-netns.sh,
// each test function in the private network namespace built for it.
#include "MainWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

class TestKernelInterfaces : public QObject
{
    Q_OBJECT
    QTemporaryDir launcher;

    // buttons: the Hamachi and list choices and Launch, each "-" disabled, "x" checked, "o" neither.
    void expect(const QStringList& items, const QString& hamachi, const QString& buttons)
    {
        MainWindow w(launcher.filePath(QStringLiteral("velkaro")));
        const auto* list = w.findChild<QComboBox*>(QStringLiteral("cbNetworks"));
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        QCOMPARE(texts, items);
        QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("leHamachiIP"))->text(), hamachi);
        QString seen;
        for (const char* name : {"rbHamachi", "rbSelNetwork", "btnLaunch"}) {
            const auto* button = w.findChild<QAbstractButton*>(QLatin1String(name));
            seen += !button->isEnabled() ? '-' : button->isChecked() ? 'x' : 'o';
        }
        QCOMPARE(seen, buttons);
    }

private slots:
    // v6only holds IPv6 addresses alone; bare is down without any address.
    void withHamachi()
    {
        expect({"lo | 127.0.0.1", "Hamachi | 25.1.2.3", "lan0 | 25.9.9.9", "bare | NOT connected"}, "25.1.2.3", "xoo");
    }
    void withoutHamachi() { expect({"lo | 127.0.0.1", "lan0 | 25.9.9.9", "hamachi | 25.4.4.4"}, "", "-xo"); }
    void withoutAnyRecord() { expect({}, "", "---"); }
};

QTEST_MAIN(TestKernelInterfaces)
#include "TestKernelInterfaces.moc"
