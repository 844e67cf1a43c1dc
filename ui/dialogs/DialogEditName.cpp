#include "ui/dialogs/DialogEditName.h"

#include "ui_DialogEditName.h"

DialogEditName::DialogEditName(QWidget *parent)
    : FramelessDialog(parent)
    , ui(new Ui::DialogEditName)
{
    ui->setupUi(this);
    attachTitleBar(ui->wdtTitlebar, ui->lblTitle);
    connect(ui->btnAccept, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(ui->btnCancel, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(ui->btnClose, &QAbstractButton::clicked, this, &QWidget::close);
    ui->btnAccept->setDefault(true);
}

DialogEditName::~DialogEditName()
{
    delete ui;
}

void DialogEditName::set(const QString &title, const QString &label, const QString &text, const QString &acceptText)
{
    setWindowTitle(title);
    ui->Label->setText(label);
    ui->lineEdit->setText(text);
    ui->btnAccept->setText(acceptText);
}

QString DialogEditName::text() const
{
    return ui->lineEdit->text();
}

