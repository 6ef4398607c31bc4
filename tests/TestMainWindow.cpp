#include "FakeOs.h"
#include "FileDialog.h"
#include "MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTextDocument>
#include <QStatusBar>
#include <QtTest>

#include <memory>

// The launcher window as a user meets it: its form, its keys, Browse and Cancel.
class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void formTexts_data();
    void formTexts();
    void formShape();
    void returnPressesBrowseEvenInPathField();
    void functionKeysActOnPress_data();
    void functionKeysActOnPress();
    void altLSelectsListWithoutLaunching();
    void mnemonicsOfPushButtonsDoNothing();
    void indicatorsIgnoreClicks();
    void resizeStopsAtLimit();
    void programPathResolution();
    void browse();
    void cancelSavesOnlyValidPath_data();
    void cancelSavesOnlyValidPath();
    void cancelKeepsLoadedFlags();
    void frameCloseSavesNothing();

private:
    template <typename T> T* widget(const char* name)
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }
    void makeWindow();
    QString configPath() const
    {
        return dir->filePath(QStringLiteral("config.txt"));
    }

    std::unique_ptr<FakeOs> os;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<MainWindow> window;
};

void TestMainWindow::init()
{
    os = std::make_unique<FakeOs>();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestMainWindow::cleanup()
{
    window.reset();
    os.reset();
    dir.reset();
}

void TestMainWindow::makeWindow()
{
    window = std::make_unique<MainWindow>(dir->filePath(QStringLiteral("velkaro")));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void TestMainWindow::formTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("firewall") << "cbFirewallException" << "Add &FireWall exception"
                              << "Will write exception on specified starcraft.exe";
    QTest::newRow("compat") << "cbCompabilityParams" << "&Setup executable compability parameters"
                            << "Will set up compability parameters";
    QTest::newRow("palette") << "cbPaletteTricks" << "Perform pallete correction &tricks"
                             << "Run display properties dialog on foreground and set compability flags";
    QTest::newRow("admin") << "cbAdministrator" << "&Run as Administrator" << "Will start SC.exe as administrator";
    QTest::newRow("browse") << "btnBrowse" << "..." << "Browse to find starcraft.exe or other application";
    QTest::newRow("hamachi") << "rbHamachi" << "&Hamachi network"
                             << "This is disabled when no Hamachi network, or it does not have connectivity (no IP "
                                "resolved).";
    QTest::newRow("list") << "rbSelNetwork" << "Select from &list"
                          << "Alternatively select network to bind to Starcraft at launch";
    QTest::newRow("launch") << "btnLaunch" << "&Launch! (F5)" << "Play Starcraft with binded IP";
    QTest::newRow("about") << "btnAbout" << "&About" << "";
    QTest::newRow("cancel") << "btnCancel" << "&Cancel" << "";
}

void TestMainWindow::formTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    makeWindow();
    auto* button = window->findChild<QAbstractButton*>(name);
    QVERIFY(button);
    QCOMPARE(button->text(), text);
    QCOMPARE(button->toolTip(), toolTip);
}

void TestMainWindow::formShape()
{
    makeWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("Velkaro for Hamachi"));
    QCOMPARE(window->objectName(), QStringLiteral("MainWindow"));
    const QIcon icon = window->windowIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    QVERIFY(icon.availableSizes().contains(QSize(256, 256)));
    QCOMPARE(widget<QWidget>("gbSCPath")->property("title").toString(), QStringLiteral("StarCraft Path (.exe or dir)"));
    QCOMPARE(widget<QWidget>("gbNetworkBinding")->property("title").toString(),
             QStringLiteral("Bind game to network (Hamachi is default if found)"));
    QCOMPARE(widget<QCheckBox>("cbForceBindIP")->text(), QStringLiteral("ForceBindIP installed?"));
    QCOMPARE(widget<QCheckBox>("cbVistaPlus")->text(), QStringLiteral("Detected OS Windows Vista(6), 7 or later"));
    // The rich tool tips keep their wording and colours.
    QTextDocument tip;
    tip.setHtml(widget<QCheckBox>("cbVistaPlus")->toolTip());
    QCOMPARE(tip.toPlainText(), QStringLiteral("Detected operating system that may cause a lot of pallete problems.\n"
                                               "Also firewall problems may come.\n"
                                               "Launcher will perform special tricks on these systems to prevent lags."));
    QVERIFY(widget<QCheckBox>("cbVistaPlus")->toolTip().contains(QStringLiteral("color:#ef0000;")));
    tip.setHtml(widget<QCheckBox>("cbForceBindIP")->toolTip());
    QCOMPARE(tip.toPlainText(), QStringLiteral("if not installed - will be downloaded and installed automatically\n"
                                               "or installed from launcher package."));
    QCOMPARE(widget<QPushButton>("btnBrowse")->statusTip(), QStringLiteral("Browse to find starcraft.exe"));
    QVERIFY(window->findChild<QStatusBar*>(QStringLiteral("statusBar")));
    QVERIFY(!widget<QLineEdit>("leHamachiIP")->isReadOnly());
}

void TestMainWindow::returnPressesBrowseEvenInPathField()
{
    makeWindow();
    auto* path = widget<QLineEdit>("leSCPath");
    const QString chosen = dir->filePath(QStringLiteral("game.exe"));
    QFile(chosen).open(QIODevice::WriteOnly);
    for (QWidget* focus : {static_cast<QWidget*>(path), static_cast<QWidget*>(widget<QCheckBox>("cbFirewallException"))}) {
        path->clear();
        focus->setFocus();
        fileDialog()->setNextFileName(chosen);
        QTest::keyClick(focus, Qt::Key_Return);
        QVERIFY2(path->text() == chosen, focus->metaObject()->className());
        QTRY_VERIFY(!widget<QPushButton>("btnBrowse")->isDown()); // let the animated click end
    }
}

void TestMainWindow::functionKeysActOnPress_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("button");
    QTest::newRow("F5 launches") << int(Qt::Key_F5) << "btnLaunch";
    QTest::newRow("F1 opens About") << int(Qt::Key_F1) << "btnAbout";
    QTest::newRow("Esc cancels") << int(Qt::Key_Escape) << "btnCancel";
}

void TestMainWindow::functionKeysActOnPress()
{
    QFETCH(int, key);
    QFETCH(QString, button);
    makeWindow();
    auto* target = window->findChild<QPushButton*>(button);
    QSignalSpy pressed(target, &QPushButton::pressed);
    QSignalSpy clicked(target, &QPushButton::clicked);
    // About is modal: close it as soon as it shows so the key returns.
    QTimer::singleShot(0, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    QTest::keyClick(window.get(), Qt::Key(key));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(clicked.count(), 0); // the click comes only after the animation
}

void TestMainWindow::altLSelectsListWithoutLaunching()
{
    makeWindow();
    auto* list = widget<QRadioButton>("rbSelNetwork");
    QSignalSpy launch(widget<QPushButton>("btnLaunch"), &QPushButton::pressed);
    widget<QRadioButton>("rbHamachi")->setEnabled(true);
    widget<QRadioButton>("rbHamachi")->setChecked(true);
    QTest::keyClick(window.get(), Qt::Key_L, Qt::AltModifier);
    QTRY_VERIFY(list->isChecked());
    QCOMPARE(launch.count(), 0);
    QVERIFY(window->isVisible());
}

void TestMainWindow::mnemonicsOfPushButtonsDoNothing()
{
    makeWindow();
    QSignalSpy about(widget<QPushButton>("btnAbout"), &QPushButton::pressed);
    QSignalSpy cancel(widget<QPushButton>("btnCancel"), &QPushButton::pressed);
    QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier);
    QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
    QCOMPARE(about.count() + cancel.count(), 0);
    QVERIFY(window->isVisible());
}

void TestMainWindow::indicatorsIgnoreClicks()
{
    makeWindow();
    for (const char* name : {"cbForceBindIP", "cbVistaPlus"}) {
        auto* box = widget<QCheckBox>(name);
        const bool before = box->isChecked();
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(box->isChecked(), before);
        QVERIFY(!box->isEnabled());
    }
    QVERIFY(widget<QCheckBox>("cbVistaPlus")->isChecked()); // the fake plays Windows 7
}

void TestMainWindow::resizeStopsAtLimit()
{
    makeWindow();
    window->resize(5000, 5000);
    QCOMPARE(window->size(), QSize(4096, 4096));
    // The path field and the list take the extra width of their rows.
    QVERIFY(widget<QLineEdit>("leSCPath")->width() > 3000);
    QVERIFY(widget<QComboBox>("cbNetworks")->width() > 3000);
}

void TestMainWindow::programPathResolution()
{
    // The settings file lies beside the program, found from a relative name
    // against the working directory, or from an absolute path as it stands.
    QDir(dir->path()).mkdir(QStringLiteral("bin"));
    QFile::copy(QFINDTESTDATA("TestMainWindow.cpp"), dir->filePath(QStringLiteral("game.exe")));
    const QString game = dir->filePath(QStringLiteral("game.exe"));
    const QString oldCwd = QDir::currentPath();
    QDir::setCurrent(dir->path());
    for (const QString& program : {QStringLiteral("bin/velkaro"), dir->filePath(QStringLiteral("bin/velkaro"))}) {
        QFile::remove(dir->filePath(QStringLiteral("bin/config.txt")));
        MainWindow w(program);
        w.findChild<QLineEdit*>(QStringLiteral("leSCPath"))->setText(game);
        w.findChild<QPushButton*>(QStringLiteral("btnCancel"))->pressed();
        QVERIFY2(QFile::exists(dir->filePath(QStringLiteral("bin/config.txt"))), qPrintable(program));
    }
    QDir::setCurrent(oldCwd);
}

void TestMainWindow::browse()
{
    makeWindow();
    auto* path = widget<QLineEdit>("leSCPath");
    const QString game = dir->filePath(QStringLiteral("Star Craft.exe"));
    QFile(game).open(QIODevice::WriteOnly);
    path->setText(QStringLiteral("typed"));

    fileDialog()->setNextFileName(QString()); // cancelled
    QTest::mouseClick(widget<QPushButton>("btnBrowse"), Qt::LeftButton);
    QCOMPARE(path->text(), QStringLiteral("typed"));
    fileDialog()->setNextFileName(dir->filePath(QStringLiteral("missing.exe")));
    QTest::mouseClick(widget<QPushButton>("btnBrowse"), Qt::LeftButton);
    QCOMPARE(path->text(), QStringLiteral("typed"));
    fileDialog()->setNextFileName(game);
    QTest::mouseClick(widget<QPushButton>("btnBrowse"), Qt::LeftButton);
    QCOMPARE(path->text(), game);
    QVERIFY(!QFile::exists(configPath())); // Browse alone stores nothing
}

void TestMainWindow::cancelSavesOnlyValidPath_data()
{
    QTest::addColumn<QString>("pathText");
    QTest::addColumn<bool>("saved");
    QTest::newRow("existing file") << "game.exe" << true;
    QTest::newRow("existing folder") << "." << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("one character") << "x" << false;
    QTest::newRow("missing file") << "gone.exe" << false;
}

void TestMainWindow::cancelSavesOnlyValidPath()
{
    QFETCH(QString, pathText);
    QFETCH(bool, saved);
    QFile(dir->filePath(QStringLiteral("game.exe"))).open(QIODevice::WriteOnly);
    QFile(dir->filePath(QStringLiteral("x"))).open(QIODevice::WriteOnly);
    makeWindow();
    const QString text = pathText.isEmpty() || pathText == QLatin1String("x") ? pathText : dir->filePath(pathText);
    widget<QLineEdit>("leSCPath")->setText(text);
    QTest::mouseClick(widget<QPushButton>("btnCancel"), Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QCOMPARE(QFile::exists(configPath()), saved);
}

void TestMainWindow::cancelKeepsLoadedFlags()
{
    const QString game = dir->filePath(QStringLiteral("game.exe"));
    QFile(game).open(QIODevice::WriteOnly);
    QFile config(configPath());
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("PATH=" + game.toLatin1() + "\nFIREWALL_EXCEPTION=0\nPALETTE=7\n");
    config.close();
    makeWindow();
    QVERIFY(!widget<QCheckBox>("cbFirewallException")->isChecked());
    QVERIFY(widget<QCheckBox>("cbPaletteTricks")->isChecked());
    // Toggling boxes changes nothing until a launch reads them.
    QTest::mouseClick(widget<QCheckBox>("cbFirewallException"), Qt::LeftButton);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    QVERIFY(config.open(QIODevice::ReadOnly));
    QCOMPARE(config.readAll(), "PATH=" + game.toLatin1()
                                   + "\nFIREWALL_EXCEPTION=0\nCOMPABILITY=1\nPALETTE=7\nADMINISTRATOR=1\n");
}

void TestMainWindow::frameCloseSavesNothing()
{
    const QString game = dir->filePath(QStringLiteral("game.exe"));
    QFile(game).open(QIODevice::WriteOnly);
    makeWindow();
    fileDialog()->setNextFileName(game);
    QTest::mouseClick(widget<QPushButton>("btnBrowse"), Qt::LeftButton);
    window->close();
    QVERIFY(!QFile::exists(configPath()));
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
