#include "MainWindowForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeySequence>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpacerItem>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

template <typename Layout> Layout* makeLayout(const char* name, QWidget* owner = nullptr)
{
    auto* layout = owner ? new Layout(owner) : new Layout();
    layout->setSpacing(6);
    layout->setObjectName(QString::fromLatin1(name));
    return layout;
}

template <typename Widget> Widget* makeWidget(const char* name, QWidget* parent)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

void MainWindowForm::setupForm(QMainWindow* window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QString::fromLatin1("MainWindow"));
    window->setEnabled(true);
    window->resize(532, 373);
    window->setMaximumSize(QSize(4096, 4096));
    QIcon icon;
    icon.addFile(QString::fromLatin1(":/img/ResFiles/aircraft.ico"), QSize(), QIcon::Normal, QIcon::Off);
    window->setWindowIcon(icon);

    centralWidget = makeWidget<QWidget>("centralWidget", window);
    horizontalLayout_6 = makeLayout<QHBoxLayout>("horizontalLayout_6", centralWidget);
    horizontalLayout_6->setContentsMargins(11, 11, 11, 11);

    verticalLayout_2 = makeLayout<QVBoxLayout>("verticalLayout_2");
    cbForceBindIP = makeWidget<QCheckBox>("cbForceBindIP", centralWidget);
    cbForceBindIP->setEnabled(false);
    cbForceBindIP->setCheckable(true);
    verticalLayout_2->addWidget(cbForceBindIP);
    cbVistaPlus = makeWidget<QCheckBox>("cbVistaPlus", centralWidget);
    cbVistaPlus->setEnabled(false);
    verticalLayout_2->addWidget(cbVistaPlus);

    horizontalLayout_5 = makeLayout<QHBoxLayout>("horizontalLayout_5");
    indentSpacer = new QSpacerItem(15, 20, QSizePolicy::Minimum, QSizePolicy::Minimum);
    horizontalLayout_5->addItem(indentSpacer);
    verticalLayout_4 = makeLayout<QVBoxLayout>("verticalLayout_4");
    cbFirewallException = makeWidget<QCheckBox>("cbFirewallException", centralWidget);
    verticalLayout_4->addWidget(cbFirewallException);
    cbCompabilityParams = makeWidget<QCheckBox>("cbCompabilityParams", centralWidget);
    verticalLayout_4->addWidget(cbCompabilityParams);
    horizontalLayout_4 = makeLayout<QHBoxLayout>("horizontalLayout_4");
    paletteSpacer = new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::Minimum);
    horizontalLayout_4->addItem(paletteSpacer);
    cbPaletteTricks = makeWidget<QCheckBox>("cbPaletteTricks", centralWidget);
    horizontalLayout_4->addWidget(cbPaletteTricks);
    horizontalLayout_4->setStretch(1, 1);
    verticalLayout_4->addLayout(horizontalLayout_4);
    cbAdministrator = makeWidget<QCheckBox>("cbAdministrator", centralWidget);
    verticalLayout_4->addWidget(cbAdministrator);
    horizontalLayout_5->addLayout(verticalLayout_4);
    horizontalLayout_5->setStretch(1, 1);
    verticalLayout_2->addLayout(horizontalLayout_5);

    gbSCPath = makeWidget<QGroupBox>("gbSCPath", centralWidget);
    horizontalLayout = makeLayout<QHBoxLayout>("horizontalLayout", gbSCPath);
    horizontalLayout->setContentsMargins(11, 11, 11, 11);
    leSCPath = makeWidget<QLineEdit>("leSCPath", gbSCPath);
    horizontalLayout->addWidget(leSCPath);
    btnBrowse = makeWidget<QPushButton>("btnBrowse", gbSCPath);
    horizontalLayout->addWidget(btnBrowse);
    horizontalLayout->setStretch(0, 1);
    verticalLayout_2->addWidget(gbSCPath);

    gbNetworkBinding = makeWidget<QGroupBox>("gbNetworkBinding", centralWidget);
    verticalLayout_3 = makeLayout<QVBoxLayout>("verticalLayout_3", gbNetworkBinding);
    verticalLayout_3->setContentsMargins(11, 11, 11, 11);
    horizontalLayout_2 = makeLayout<QHBoxLayout>("horizontalLayout_2");
    rbHamachi = makeWidget<QRadioButton>("rbHamachi", gbNetworkBinding);
    horizontalLayout_2->addWidget(rbHamachi);
    leHamachiIP = makeWidget<QLineEdit>("leHamachiIP", gbNetworkBinding);
    leHamachiIP->setReadOnly(false);
    horizontalLayout_2->addWidget(leHamachiIP);
    verticalLayout_3->addLayout(horizontalLayout_2);
    rbSelNetwork = makeWidget<QRadioButton>("rbSelNetwork", gbNetworkBinding);
    verticalLayout_3->addWidget(rbSelNetwork);
    horizontalLayout_3 = makeLayout<QHBoxLayout>("horizontalLayout_3");
    listSpacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    horizontalLayout_3->addItem(listSpacer);
    cbNetworks = makeWidget<QComboBox>("cbNetworks", gbNetworkBinding);
    cbNetworks->setEditable(false);
    horizontalLayout_3->addWidget(cbNetworks);
    horizontalLayout_3->setStretch(1, 1);
    verticalLayout_3->addLayout(horizontalLayout_3);
    verticalLayout_2->addWidget(gbNetworkBinding);
    verticalLayout_2->setStretch(0, 1);
    horizontalLayout_6->addLayout(verticalLayout_2);

    columnSpacer = new QSpacerItem(30, 20, QSizePolicy::Minimum, QSizePolicy::Minimum);
    horizontalLayout_6->addItem(columnSpacer);

    verticalLayout = makeLayout<QVBoxLayout>("verticalLayout");
    btnLaunch = makeWidget<QPushButton>("btnLaunch", centralWidget);
    verticalLayout->addWidget(btnLaunch);
    buttonSpacer = new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
    verticalLayout->addItem(buttonSpacer);
    btnAbout = makeWidget<QPushButton>("btnAbout", centralWidget);
    verticalLayout->addWidget(btnAbout);
    btnCancel = makeWidget<QPushButton>("btnCancel", centralWidget);
    verticalLayout->addWidget(btnCancel);
    horizontalLayout_6->addLayout(verticalLayout);

    window->setCentralWidget(centralWidget);
    menuBar = makeWidget<QMenuBar>("menuBar", window);
    menuBar->setGeometry(QRect(0, 0, 532, 20));
    window->setMenuBar(menuBar);
    statusBar = makeWidget<QStatusBar>("statusBar", window);
    window->setStatusBar(statusBar);

    retranslateForm(window);
    QMetaObject::connectSlotsByName(window);
}

void MainWindowForm::retranslateForm(QMainWindow* window)
{
    auto tr = [](const char* text) { return QCoreApplication::translate("MainWindow", text, nullptr); };

    window->setWindowTitle(tr("Velkaro for Hamachi"));
    cbForceBindIP->setToolTip(tr(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" \"http://www.w3.org/TR/REC-html40/strict.dtd\">\n"
        "<html><head><meta name=\"qrichtext\" content=\"1\" /><style type=\"text/css\">\n"
        "p, li { white-space: pre-wrap; }\n"
        "</style></head><body style=\" font-family:'MS Shell Dlg 2'; font-size:8.25pt; font-weight:400; font-style:normal;\">\n"
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span style=\" font-size:8pt;\">if not installed - will be downloaded and installed automatically</span></p>\n"
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span style=\" font-size:8pt;\">or installed from launcher package.</span></p></body></html>"));
    cbForceBindIP->setText(tr("ForceBindIP installed?"));
    cbVistaPlus->setToolTip(tr(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" \"http://www.w3.org/TR/REC-html40/strict.dtd\">\n"
        "<html><head><meta name=\"qrichtext\" content=\"1\" /><style type=\"text/css\">\n"
        "p, li { white-space: pre-wrap; }\n"
        "</style></head><body style=\" font-family:'MS Shell Dlg 2'; font-size:8.25pt; font-weight:400; font-style:normal;\">\n"
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span style=\" font-size:8pt;\">Detected operating system that may cause a lot of </span><span style=\" font-size:8pt; color:#0600ca;\">pallete problems</span><span style=\" font-size:8pt;\">.</span></p>\n"
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span style=\" font-size:8pt;\">Also </span><span style=\" font-size:8pt; color:#ef0000;\">firewall problems</span><span style=\" font-size:8pt;\"> may come.</span></p>\n"
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span style=\" font-size:8pt;\">Launcher will perform </span><span style=\" font-size:8pt; color:#00ac0b;\">special tricks</span><span style=\" font-size:8pt;\"> on these systems to prevent lags.</span></p></body></html>"));
    cbVistaPlus->setText(tr("Detected OS Windows Vista(6), 7 or later"));
    cbFirewallException->setToolTip(tr("Will write exception on specified starcraft.exe"));
    cbFirewallException->setText(tr("Add &FireWall exception"));
    cbCompabilityParams->setToolTip(tr("Will set up compability parameters"));
    cbCompabilityParams->setText(tr("&Setup executable compability parameters"));
    cbPaletteTricks->setToolTip(tr("Run display properties dialog on foreground and set compability flags"));
    cbPaletteTricks->setText(tr("Perform pallete correction &tricks"));
    cbAdministrator->setToolTip(tr("Will start SC.exe as administrator"));
    cbAdministrator->setText(tr("&Run as Administrator"));
    gbSCPath->setTitle(tr("StarCraft Path (.exe or dir)"));
    leSCPath->setToolTip(tr("Must be correct path to starcraft.exe (whatever the name). If you wish, you can run "
                            "another application with this launcher, for it may help with artifacts."));
    btnBrowse->setToolTip(tr("Browse to find starcraft.exe or other application"));
    btnBrowse->setStatusTip(tr("Browse to find starcraft.exe"));
    btnBrowse->setText(tr("..."));
    btnBrowse->setShortcut(QKeySequence(tr("Return")));
    gbNetworkBinding->setTitle(tr("Bind game to network (Hamachi is default if found)"));
    rbHamachi->setToolTip(
        tr("This is disabled when no Hamachi network, or it does not have connectivity (no IP resolved)."));
    rbHamachi->setText(tr("&Hamachi network"));
    rbSelNetwork->setToolTip(tr("Alternatively select network to bind to Starcraft at launch"));
    rbSelNetwork->setStatusTip(QString());
    rbSelNetwork->setText(tr("Select from &list"));
    btnLaunch->setToolTip(tr("Play Starcraft with binded IP"));
    btnLaunch->setText(tr("&Launch! (F5)"));
    btnLaunch->setShortcut(QKeySequence(tr("F5")));
    btnAbout->setText(tr("&About"));
    btnAbout->setShortcut(QKeySequence(tr("F1")));
    btnCancel->setText(tr("&Cancel"));
    btnCancel->setShortcut(QKeySequence(tr("Esc")));
}
