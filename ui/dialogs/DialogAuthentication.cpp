#include "ui/dialogs/DialogAuthentication.h"

#include "ui_DialogAuthentication.h"

DialogAuthentication::DialogAuthentication(QWidget *parent)
    : FramelessDialog(parent)
    , ui(new Ui::DialogAuthentication)
{
    ui->setupUi(this);
    attachTitleBar(ui->wdtTitlebar, ui->lblTitle);
    connect(ui->btnAccept, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(ui->btnCancel, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(ui->btnClose, &QAbstractButton::clicked, this, &QWidget::close);
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

void DialogAuthentication::setAcceptText(const QString &text)
{
    ui->btnAccept->setText(text);
}

