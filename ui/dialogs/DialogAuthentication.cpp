#include "DialogAuthentication.h"

#include "ui_DialogAuthentication.h"

DialogAuthentication::DialogAuthentication(QWidget *parent)
    : FramelessDialog(parent)
    , ui(new Ui::DialogAuthentication)
{
    ui->setupUi(this);
    attachTitleBar(ui->wdtTitlebar, ui->lblTitle);
    // Enter in either field starts the search.
    ui->btnAccept->setDefault(true);
    ui->ledUser->setFocus();
}

DialogAuthentication::~DialogAuthentication()
{
    delete ui;
}

QString DialogAuthentication::user() const
{
    return ui->ledUser->text();
}

QString DialogAuthentication::password() const
{
    return ui->ledPassword->text();
}

void DialogAuthentication::on_btnAccept_clicked()
{
    accept();
}

void DialogAuthentication::on_btnCancel_clicked()
{
    reject();
}

void DialogAuthentication::on_btnClose_clicked()
{
    close();
}
