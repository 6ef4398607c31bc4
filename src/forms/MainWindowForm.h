#ifndef VELKARO_MAINWINDOWFORM_H
#define VELKARO_MAINWINDOWFORM_H

#include "ui_MainWindowForm.h"

// The launcher window's widget tree, drawn in MainWindowForm.ui. The Designer
// class keeps the name MainWindow because uic takes the translation context
// from it; the controller calls the form through the two names below.
struct MainWindowForm : Ui::MainWindow
{
    void setupForm(QMainWindow* window) { setupUi(window); }
    void retranslateForm(QMainWindow* window) { retranslateUi(window); }
};

#endif // VELKARO_MAINWINDOWFORM_H
