// The launcher window as a user meets it: its form, its keys, Browse and Cancel.
#include "FakeOs.h"
#include "FileDialog.h"
#include "MainWindow.h"
#include "TestFiles.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

using L = QStringList;

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakeOs> os;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<MainWindow> window;
    QString game, configPath;

    template <typename T = QAbstractButton> T* widget(const char* name) { return window->findChild<T*>(name); }
    void makeWindow()
    {
        window = std::make_unique<MainWindow>(dir->filePath("velkaro"));
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

private slots:
    void init()
    {
        os = std::make_unique<FakeOs>();
        dir = std::make_unique<QTemporaryDir>();
        game = dir->filePath("Star Craft.exe");
        configPath = dir->filePath("config.txt");
        writeFile(game);
    }
    void cleanup()
    {
        window.reset();
        os.reset();
        dir.reset();
    }

    void form()
    {
        makeWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Velkaro for Hamachi"));
        const QList<QSize> sizes = window->windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(256, 256)));
        QTextDocument tip;
        tip.setHtml(widget("cbVistaPlus")->toolTip());
        QCOMPARE(tip.toPlainText(),
                 QStringLiteral("Detected operating system that may cause a lot of pallete problems.\n"
                                "Also firewall problems may come.\n"
                                "Launcher will perform special tricks on these systems to prevent lags."));
        // Resizing stops at 4096x4096; the path field and the list take the extra width of their rows.
        window->resize(5000, 5000);
        QCOMPARE(window->size(), QSize(4096, 4096));
        QVERIFY(widget<QLineEdit>("leSCPath")->width() > 3000);
        QVERIFY(widget<QComboBox>("cbNetworks")->width() > 3000);
    }

    // F5, F1 and Esc act the moment their button goes down, not once its animated click ends.
    // Alt with a letter: the boxes' own, the list's (never Launch's), none for About and Cancel.
    void keys_data()
    {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("effect");
        QTest::addColumn<QStringList>("toggled");
        QTest::newRow("F5: launch stops, ForceBindIP cannot be installed") << QKeySequence("F5") << "status" << L();
        QTest::newRow("F1") << QKeySequence("F1") << "About" << L();
        QTest::newRow("Esc") << QKeySequence("Esc") << "closed" << L();
        QTest::newRow("Alt+F") << QKeySequence("Alt+F") << "" << L{"cbFirewallException"};
        QTest::newRow("Alt+S") << QKeySequence("Alt+S") << "" << L{"cbCompabilityParams"};
        QTest::newRow("Alt+T") << QKeySequence("Alt+T") << "" << L{"cbPaletteTricks"};
        QTest::newRow("Alt+R") << QKeySequence("Alt+R") << "" << L{"cbAdministrator"};
        QTest::newRow("Alt+L") << QKeySequence("Alt+L") << "" << L{"rbHamachi", "rbSelNetwork"};
        QTest::newRow("Alt+A") << QKeySequence("Alt+A") << "" << L();
        QTest::newRow("Alt+C") << QKeySequence("Alt+C") << "" << L();
    }
    void keys()
    {
        QFETCH(QKeySequence, key);
        QFETCH(QString, effect);
        QFETCH(QStringList, toggled);
        makeWindow();
        widget("rbHamachi")->setEnabled(true);
        widget("rbHamachi")->setChecked(true);
        QStringList changed;
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
            connect(button, &QAbstractButton::toggled, [&changed, button] { changed << button->objectName(); });
        bool aboutShown = false; // About is modal: closed as soon as it shows, so that the key returns
        QTimer::singleShot(0, window.get(), [&] {
            if (QWidget* modal = QApplication::activeModalWidget())
                aboutShown = modal->close();
        });
        QTest::keySequence(window.get(), key);
        const QString status = window->statusBar()->currentMessage();
        QCOMPARE(aboutShown ? "About" : !window->isVisible() ? "closed" : status.isEmpty() ? "" : "status", effect);
        QTest::qWait(200); // past the animated click
        changed.sort();
        QCOMPARE(changed, toggled);
    }

    void indicatorsIgnoreClicks()
    {
        makeWindow();
        for (const char* name : {"cbForceBindIP", "cbVistaPlus"}) {
            auto* box = widget(name);
            const bool before = box->isChecked();
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2)); // on the indicator
            QVERIFY2(box->isChecked() == before, name);
            QTest::keyClick(box, Qt::Key_Space);
            QVERIFY2(box->isChecked() == before, name);
        }
    }

    // config.txt lies beside the program, found from a relative name against the
    // working directory, or from an absolute path as it stands.
    void configBesideProgram()
    {
        QDir(dir->path()).mkdir("bin");
        const auto restoreCwd = qScopeGuard([cwd = QDir::currentPath()] { QDir::setCurrent(cwd); });
        QDir::setCurrent(dir->path());
        for (const QString& program : {QStringLiteral("bin/velkaro"), dir->filePath("bin/velkaro")}) {
            QFile::remove(dir->filePath("bin/config.txt"));
            MainWindow w(program);
            w.findChild<QLineEdit*>("leSCPath")->setText(game);
            emit w.findChild<QPushButton*>("btnCancel")->pressed();
            QVERIFY2(QFile::exists(dir->filePath("bin/config.txt")), qPrintable(program));
        }
    }

    // Browse keeps the path for a cancelled dialog or a missing file and stores nothing;
    // Return presses it wherever the focus is, the path field included.
    void browse()
    {
        makeWindow();
        auto* path = widget<QLineEdit>("leSCPath");
        path->setText("typed");
        for (const QString& chosen : {QString(), dir->filePath("missing.exe"), game}) {
            fileDialog()->setNextFileName(chosen);
            QTest::mouseClick(widget("btnBrowse"), Qt::LeftButton);
            QCOMPARE(path->text(), chosen == game ? game : "typed");
        }
        for (QWidget* focus : {static_cast<QWidget*>(path), static_cast<QWidget*>(widget("cbFirewallException"))}) {
            path->clear();
            focus->setFocus();
            fileDialog()->setNextFileName(game);
            QTest::keyClick(focus, Qt::Key_Return);
            QVERIFY2(path->text() == game, focus->metaObject()->className());
            QTRY_VERIFY(!widget("btnBrowse")->isDown()); // let the animated click end
        }
        QVERIFY(!QFile::exists(configPath));
    }

    // Cancel saves a valid path alone, with the flags as loaded whatever the boxes show;
    // closing from the frame saves nothing.
    void closing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("fromFrame");
        QTest::addColumn<bool>("saved");
        QTest::newRow("existing file") << "Star Craft.exe" << false << true;
        QTest::newRow("existing folder") << "." << false << true;
        QTest::newRow("empty") << "" << false << false;
        QTest::newRow("one character that exists") << "/" << false << false;
        QTest::newRow("missing file") << "gone.exe" << false << false;
        QTest::newRow("from the frame") << "Star Craft.exe" << true << false;
    }
    void closing()
    {
        QFETCH(QString, path);
        QFETCH(bool, fromFrame);
        QFETCH(bool, saved);
        const QByteArray loaded = "PATH=" + game.toLatin1() + "\nFIREWALL_EXCEPTION=0\nPALETTE=7\n";
        writeFile(configPath, loaded);
        makeWindow();
        const QString text = path.isEmpty() ? path : QDir(dir->path()).filePath(path);
        widget<QLineEdit>("leSCPath")->setText(text);
        widget("cbFirewallException")->click();
        if (fromFrame)
            window->close();
        else
            QTest::mouseClick(widget("btnCancel"), Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QCOMPARE(readFile(configPath), saved ? "PATH=" + text.toLatin1()
                                               + "\nFIREWALL_EXCEPTION=0\nCOMPABILITY=1\nPALETTE=7\nADMINISTRATOR=1\n"
                                         : loaded);
    }
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
