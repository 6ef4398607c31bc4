#ifndef VELKARO_DLGABOUTFORM_H
#define VELKARO_DLGABOUTFORM_H

#include "ui_DlgAboutForm.h"

// The About dialog's widget tree, drawn in DlgAboutForm.ui (class dlgAbout for
// the same reason as the window's form), plus the Qt version in its text.
struct DlgAboutForm : Ui::dlgAbout
{
    void setupForm(QDialog* dialog);
    void retranslateForm(QDialog* dialog);
};

#endif // VELKARO_DLGABOUTFORM_H
