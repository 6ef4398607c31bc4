#ifndef VELKARO_DLGABOUTFORM_H
#define VELKARO_DLGABOUTFORM_H

class QDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QSpacerItem;
class QTextBrowser;
class QVBoxLayout;

// The About dialog's widget tree, built like the launcher window's form.
struct DlgAboutForm
{
    QVBoxLayout* verticalLayout_2 = nullptr;
    QHBoxLayout* horizontalLayout_2 = nullptr;
    QVBoxLayout* verticalLayout = nullptr;
    QLabel* lblLogoSmall = nullptr;
    QSpacerItem* logoSpacer = nullptr;
    QLabel* lblAuthor = nullptr;
    QLabel* lblMailto = nullptr;
    QLabel* lblTesters = nullptr;
    QSpacerItem* gapSpacer = nullptr;
    QTextBrowser* textBrowser = nullptr;
    QSpacerItem* bottomSpacer = nullptr;
    QHBoxLayout* horizontalLayout = nullptr;
    QSpacerItem* buttonSpacer = nullptr;
    QPushButton* btnOk = nullptr;

    void setupForm(QDialog* dialog);
    void retranslateForm(QDialog* dialog);
};

#endif // VELKARO_DLGABOUTFORM_H
