#include "FakeOs.h"
#include "MainWindow.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include <functional>
#include <memory>

// The About dialog as F1 on the launcher window opens it.
class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensModallyWithLogoAndCredits();
    void closes_data();
    void closes();
    void cannotShrinkAndStartsFresh();

private:
    // Presses F1 and runs check on the dialog while its modal loop runs.
    void withDialog(const std::function<void(QDialog*)>& check);

    std::unique_ptr<FakeOs> os;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<MainWindow> window;
};

void TestAbout::init()
{
    os = std::make_unique<FakeOs>();
    dir = std::make_unique<QTemporaryDir>();
    window = std::make_unique<MainWindow>(dir->filePath(QStringLiteral("velkaro")));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TestAbout::cleanup()
{
    window.reset();
    os.reset();
}

void TestAbout::withDialog(const std::function<void(QDialog*)>& check)
{
    // A key repeats its animated click only once the last one has ended.
    QTRY_VERIFY(!window->findChild<QPushButton*>(QStringLiteral("btnAbout"))->isDown());
    window->activateWindow(); // shortcuts reach the active window only
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        check(dialog);
        checked = true;
        if (dialog->isVisible()) // a failed check must not leave the loop hanging
            dialog->reject();
    });
    QTest::keyClick(window.get(), Qt::Key_F1);
    QVERIFY(checked);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestAbout::opensModallyWithLogoAndCredits()
{
    withDialog([this](QDialog* dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("dlgAbout"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("About Velkaro"));
        QCOMPARE(dialog->parentWidget(), window.get());
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        const QPixmap logo = dialog->findChild<QLabel*>(QStringLiteral("lblLogoSmall"))->pixmap(Qt::ReturnByValue);
        QCOMPARE(logo.size(), QSize(199, 165));
        QVERIFY(dialog->windowIcon().availableSizes().contains(QSize(256, 256)));
        const QString text = dialog->findChild<QTextBrowser*>(QStringLiteral("textBrowser"))->toPlainText();
        QVERIFY(text.startsWith(QStringLiteral("Velkaro for StarCraft\nversion 0.8 (6th July 2011)\n")));
        QVERIFY(text.contains(QLatin1String(qVersion())));
        QCOMPARE(text.count(QLatin1Char('\n')), 10); // eleven paragraphs
        QVERIFY(dialog->findChild<QPushButton*>(QStringLiteral("btnOk"))->isDefault());
    });
}

void TestAbout::closes_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("mouse press on OK") << 0;
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void TestAbout::closes()
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
    QVERIFY(window->isVisible());
}

void TestAbout::cannotShrinkAndStartsFresh()
{
    QDialog* first = nullptr;
    withDialog([&first](QDialog* dialog) {
        first = dialog;
        dialog->resize(200, 100);
        QCOMPARE(dialog->size(), QSize(499, 333));
        dialog->resize(800, 333);
        auto* browser = dialog->findChild<QTextBrowser*>(QStringLiteral("textBrowser"));
        QTRY_VERIFY(browser->width() > 450); // the text browser takes the extra width
    });
    QVERIFY(!window->findChild<QDialog*>()); // destroyed on return
    withDialog([&first](QDialog* dialog) { QCOMPARE(dialog->size(), QSize(499, 333)); });
}

QTEST_MAIN(TestAbout)
#include "TestAbout.moc"
