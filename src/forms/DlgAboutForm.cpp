#include "DlgAboutForm.h"

#include <QTextCursor>
#include <QTextDocument>

namespace {

// A Designer text cannot call QString::arg, so the "%1" of the toolkit line is
// filled in on the built document; the inserted text keeps that run's format.
void fillInQtVersion(QTextBrowser* browser)
{
    const QString placeholder = QStringLiteral("%1");
    QTextDocument* document = browser->document();
    for (QTextCursor found = document->find(placeholder); !found.isNull(); found = document->find(placeholder, found))
        found.insertText(QString::fromLatin1(qVersion()));
    // Still the text the form set, as setHtml leaves it: not a user's edit.
    document->setModified(false);
}

} // namespace

void DlgAboutForm::setupForm(QDialog* dialog)
{
    setupUi(dialog);
    fillInQtVersion(textBrowser);
}

void DlgAboutForm::retranslateForm(QDialog* dialog)
{
    retranslateUi(dialog);
    fillInQtVersion(textBrowser);
}
