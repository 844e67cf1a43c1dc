#include "DialogCombobox.h"

#include "ui_DialogCombobox.h"

DialogCombobox::DialogCombobox(QWidget *parent)
    : FramelessDialog(parent)
    , ui(new Ui::DialogCombobox)
{
    ui->setupUi(this);
    attachTitleBar(ui->wdtTitlebar, ui->lblTitle);
}

DialogCombobox::~DialogCombobox()
{
    delete ui;
}

void DialogCombobox::setButtons(const QString &okText, const QString &cancelText)
{
    ui->btnOk->setText(okText);
    ui->btnCancel->setText(cancelText);
}

void DialogCombobox::setTexts(const QString &info, const QString &info2, const QString &comboLabel,
                              const QStringList &items)
{
    ui->lblInfo->setText(info);
    ui->lblInfo2->setText(info2);
    ui->lblInfo2->setVisible(!info2.isEmpty());
    ui->lblReplaceFrame->setText(comboLabel);
    ui->cbxSpecialFrames->addItems(items);
}

void DialogCombobox::on_btnOk_clicked()
{
    m_selectedIndex = ui->cbxSpecialFrames->currentIndex();
    accept();
}

void DialogCombobox::on_btnCancel_clicked()
{
    reject();
}

void DialogCombobox::on_btnClose_clicked()
{
    close();
}
