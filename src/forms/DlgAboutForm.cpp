#include "DlgAboutForm.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpacerItem>
#include <QTextBrowser>
#include <QVBoxLayout>

void DlgAboutForm::setupForm(QDialog* dialog)
{
    if (dialog->objectName().isEmpty())
        dialog->setObjectName(QString::fromLatin1("dlgAbout"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->resize(499, 333);
    QSizePolicy sizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    sizePolicy.setHorizontalStretch(0);
    sizePolicy.setVerticalStretch(0);
    sizePolicy.setHeightForWidth(dialog->sizePolicy().hasHeightForWidth());
    dialog->setSizePolicy(sizePolicy);
    dialog->setMinimumSize(QSize(499, 333));
    QIcon icon;
    icon.addFile(QString::fromLatin1(":/img/ResFiles/aircraft.ico"), QSize(), QIcon::Normal, QIcon::Off);
    dialog->setWindowIcon(icon);
    dialog->setModal(true);

    verticalLayout_2 = new QVBoxLayout(dialog);
    verticalLayout_2->setObjectName(QString::fromLatin1("verticalLayout_2"));
    horizontalLayout_2 = new QHBoxLayout();
    horizontalLayout_2->setObjectName(QString::fromLatin1("horizontalLayout_2"));
    verticalLayout = new QVBoxLayout();
    verticalLayout->setObjectName(QString::fromLatin1("verticalLayout"));
    lblLogoSmall = new QLabel(dialog);
    lblLogoSmall->setObjectName(QString::fromLatin1("lblLogoSmall"));
    lblLogoSmall->setPixmap(QPixmap(QString::fromLatin1(":/img/ResFiles/brandmark.PNG")));
    lblLogoSmall->setScaledContents(false);
    lblLogoSmall->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignTop);
    verticalLayout->addWidget(lblLogoSmall);
    logoSpacer = new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
    verticalLayout->addItem(logoSpacer);
    lblAuthor = new QLabel(dialog);
    lblAuthor->setObjectName(QString::fromLatin1("lblAuthor"));
    verticalLayout->addWidget(lblAuthor);
    lblMailto = new QLabel(dialog);
    lblMailto->setObjectName(QString::fromLatin1("lblMailto"));
    verticalLayout->addWidget(lblMailto);
    lblTesters = new QLabel(dialog);
    lblTesters->setObjectName(QString::fromLatin1("lblTesters"));
    verticalLayout->addWidget(lblTesters);
    horizontalLayout_2->addLayout(verticalLayout);
    gapSpacer = new QSpacerItem(20, 20, QSizePolicy::MinimumExpanding, QSizePolicy::Minimum);
    horizontalLayout_2->addItem(gapSpacer);
    textBrowser = new QTextBrowser(dialog);
    textBrowser->setObjectName(QString::fromLatin1("textBrowser"));
    textBrowser->setFrameShadow(QFrame::Plain);
    textBrowser->setLineWrapMode(QTextEdit::WidgetWidth);
    horizontalLayout_2->addWidget(textBrowser);
    horizontalLayout_2->setStretch(2, 1);
    verticalLayout_2->addLayout(horizontalLayout_2);
    bottomSpacer = new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::MinimumExpanding);
    verticalLayout_2->addItem(bottomSpacer);
    horizontalLayout = new QHBoxLayout();
    horizontalLayout->setObjectName(QString::fromLatin1("horizontalLayout"));
    buttonSpacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    horizontalLayout->addItem(buttonSpacer);
    btnOk = new QPushButton(dialog);
    btnOk->setObjectName(QString::fromLatin1("btnOk"));
    btnOk->setDefault(true);
    btnOk->setFlat(false);
    horizontalLayout->addWidget(btnOk);
    verticalLayout_2->addLayout(horizontalLayout);
    verticalLayout_2->setStretch(0, 1);

    retranslateForm(dialog);
    QMetaObject::connectSlotsByName(dialog);
}

void DlgAboutForm::retranslateForm(QDialog* dialog)
{
    auto tr = [](const char* text) { return QCoreApplication::translate("dlgAbout", text, nullptr); };

    dialog->setWindowTitle(tr("About Velkaro"));
    lblLogoSmall->setText(QString());
    lblAuthor->setText(tr("Written by the Velkaro developers"));
    lblMailto->setText(tr("Contact: velkaro@example.org"));
    lblTesters->setText(tr(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" \"http://www.w3.org/TR/REC-html40/strict.dtd\">\n"
        "<html><head><meta name=\"qrichtext\" content=\"1\" /><style type=\"text/css\">\n"
        "p, li { white-space: pre-wrap; }\n"
        "</style></head><body style=\" font-family:'MS Shell Dlg 2'; font-size:8.25pt; font-weight:400; font-style:normal;\">\n"
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span style=\" font-size:8pt; color:#007828;\">Testers:</span></p>\n"
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span style=\" font-size:8pt;\">            Tester One</span></p>\n"
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span style=\" font-size:8pt;\">            Tester Two</span></p></body></html>"));
    textBrowser->setHtml(tr(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" \"http://www.w3.org/TR/REC-html40/strict.dtd\">\n"
        "<html><head><meta name=\"qrichtext\" content=\"1\" /><style type=\"text/css\">\n"
        "p, li { white-space: pre-wrap; }\n"
        "</style></head><body style=\" font-family:'MS Shell Dlg 2'; font-size:8.25pt; font-weight:400; font-style:normal;\">\n"
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span style=\" font-size:10pt;\">Velkaro for StarCraft</span></p>\n"
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span style=\" font-size:10pt;\">version 0.8 (6</span><span style=\" font-size:10pt; vertical-align:super;\">th</span><span style=\" font-size:10pt;\"> July 2011)</span></p>\n"
        "<p style=\"-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;\"></p>\n"
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span style=\" font-size:10pt;\">Free software, distributed under the GNU General Public License, version 3 or later.</span></p>\n"
        "<p style=\"-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;\"></p>\n"
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span style=\" font-size:10pt;\">== Libraries and components used ==</span></p>\n"
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span style=\" font-size:10pt;\">ForceBindIP, by its author</span></p>\n"
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span style=\" font-size:10pt;\">Qt toolkit, version %1</span></p>\n"
        "<p style=\"-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;\"></p>\n"
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span style=\" font-size:10pt;\">Main icon: an aircraft drawn by the Velkaro developers for this launcher</span></p>\n"
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span style=\" font-size:8pt;\">The icon may be used, copied and changed under the same licence as the launcher.</span></p></body></html>")
                             .arg(QString::fromLatin1(qVersion())));
    btnOk->setText(tr("OK"));
}
