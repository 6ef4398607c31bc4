#ifndef VELKARO_MAINWINDOWFORM_H
#define VELKARO_MAINWINDOWFORM_H

class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QMainWindow;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QSpacerItem;
class QStatusBar;
class QVBoxLayout;
class QWidget;

// The launcher window's widget tree. Plain pointers in creation order; the
// widgets belong to the window, the record only points at them.
struct MainWindowForm
{
    QWidget* centralWidget = nullptr;
    QHBoxLayout* horizontalLayout_6 = nullptr;
    QVBoxLayout* verticalLayout_2 = nullptr;
    QCheckBox* cbForceBindIP = nullptr;
    QCheckBox* cbVistaPlus = nullptr;
    QHBoxLayout* horizontalLayout_5 = nullptr;
    QSpacerItem* indentSpacer = nullptr;
    QVBoxLayout* verticalLayout_4 = nullptr;
    QCheckBox* cbFirewallException = nullptr;
    QCheckBox* cbCompabilityParams = nullptr;
    QHBoxLayout* horizontalLayout_4 = nullptr;
    QSpacerItem* paletteSpacer = nullptr;
    QCheckBox* cbPaletteTricks = nullptr;
    QCheckBox* cbAdministrator = nullptr;
    QGroupBox* gbSCPath = nullptr;
    QHBoxLayout* horizontalLayout = nullptr;
    QLineEdit* leSCPath = nullptr;
    QPushButton* btnBrowse = nullptr;
    QGroupBox* gbNetworkBinding = nullptr;
    QVBoxLayout* verticalLayout_3 = nullptr;
    QHBoxLayout* horizontalLayout_2 = nullptr;
    QRadioButton* rbHamachi = nullptr;
    QLineEdit* leHamachiIP = nullptr;
    QRadioButton* rbSelNetwork = nullptr;
    QHBoxLayout* horizontalLayout_3 = nullptr;
    QSpacerItem* listSpacer = nullptr;
    QComboBox* cbNetworks = nullptr;
    QSpacerItem* columnSpacer = nullptr;
    QVBoxLayout* verticalLayout = nullptr;
    QPushButton* btnLaunch = nullptr;
    QSpacerItem* buttonSpacer = nullptr;
    QPushButton* btnAbout = nullptr;
    QPushButton* btnCancel = nullptr;
    QMenuBar* menuBar = nullptr;
    QStatusBar* statusBar = nullptr;

    void setupForm(QMainWindow* window);
    void retranslateForm(QMainWindow* window);
};

#endif // VELKARO_MAINWINDOWFORM_H
