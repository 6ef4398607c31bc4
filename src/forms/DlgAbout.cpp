#include "DlgAbout.h"

#include "DlgAboutForm.h"

#include <QPushButton>

DlgAbout::DlgAbout(QWidget* parent)
    : QDialog(parent)
    , ui(new DlgAboutForm)
{
    ui->setupForm(this);
    connect(ui->btnOk, &QPushButton::pressed, this, &QDialog::accept);
}

DlgAbout::~DlgAbout()
{
    delete ui;
}
