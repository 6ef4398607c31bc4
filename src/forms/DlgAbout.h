#ifndef VELKARO_DLGABOUT_H
#define VELKARO_DLGABOUT_H

#include <QDialog>

struct DlgAboutForm;

class DlgAbout : public QDialog
{
    Q_OBJECT

public:
    explicit DlgAbout(QWidget* parent);
    ~DlgAbout() override;

private:
    DlgAboutForm* ui;
};

#endif // VELKARO_DLGABOUT_H
