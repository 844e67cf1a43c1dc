#include "ui/dialogs/DialogCombobox.h"

#include "ui_DialogCombobox.h"

DialogCombobox::DialogCombobox(QWidget *parent)
    : FramelessDialog(parent)
    , ui(new Ui::DialogCombobox)
{
    ui->setupUi(this);
    attachTitleBar(ui->wdtTitlebar, ui->lblTitle);
    connect(ui->btnOk, &QAbstractButton::clicked, this, &DialogCombobox::choose);
    connect(ui->btnCancel, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(ui->btnClose, &QAbstractButton::clicked, this, &QWidget::close);
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

void DialogCombobox::setCurrentItem(int index)
{
    if (index >= 0 && index < ui->cbxSpecialFrames->count())
        ui->cbxSpecialFrames->setCurrentIndex(index);
}

void DialogCombobox::choose()
{
    m_selectedIndex = ui->cbxSpecialFrames->currentIndex();
    accept();
}

