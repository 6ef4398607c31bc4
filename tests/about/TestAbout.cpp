// The About dialog as F1 on the launcher window opens it.
#include "MainWindow.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <functional>

class TestAbout : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    MainWindow window{dir.filePath(QStringLiteral("velkaro"))};

    // Presses F1 and runs check on the dialog while its modal loop runs.
    void withDialog(const std::function<void(QDialog*)>& check)
    {
        // A key repeats its animated click only once the last one has ended.
        QTRY_VERIFY(!window.findChild<QPushButton*>(QStringLiteral("btnAbout"))->isDown());
        window.show();
        window.activateWindow(); // shortcuts reach the active window only
        QVERIFY(QTest::qWaitForWindowActive(&window));
        bool checked = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
            check(dialog);
            checked = true;
            if (dialog->isVisible()) // a failed check must not leave the loop hanging
                dialog->reject();
        });
        QTest::keyClick(&window, Qt::Key_F1);
        QVERIFY(checked);
        QVERIFY(!QApplication::activeModalWidget());
    }

private slots:
    void opensModalAndFresh()
    {
        withDialog([this](QDialog* dialog) {
            QCOMPARE(dialog->parentWidget(), &window);
            QCOMPARE(dialog->windowModality(), Qt::WindowModal);
            const QLabel* logo = dialog->findChild<QLabel*>(QStringLiteral("lblLogoSmall"));
            QCOMPARE(logo->pixmap(Qt::ReturnByValue).size(), QSize(199, 165));
            QVERIFY(dialog->windowIcon().availableSizes().contains(QSize(256, 256)));
            dialog->resize(200, 100);
            QCOMPARE(dialog->size(), QSize(499, 333)); // no smaller
            dialog->resize(800, 400);
        });
        QVERIFY(!window.findChild<QDialog*>()); // destroyed on return
        withDialog([](QDialog* dialog) { QCOMPARE(dialog->size(), QSize(499, 333)); });
    }

    void closes_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("mouse press on OK") << 0;
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void closes()
    {
        QFETCH(int, key);
        withDialog([key](QDialog* dialog) {
            if (key == 0) // the press alone closes it: OK accepts on pressed()
                QTest::mousePress(dialog->findChild<QPushButton*>(QStringLiteral("btnOk")), Qt::LeftButton);
            else
                QTest::keyClick(dialog, Qt::Key(key));
            QVERIFY(!dialog->isVisible());
            QCOMPARE(dialog->result(), key == Qt::Key_Escape ? int(QDialog::Rejected) : int(QDialog::Accepted));
        });
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(TestAbout)
#include "TestAbout.moc"
