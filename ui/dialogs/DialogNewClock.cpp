#include "DialogNewClock.h"

#include "DialogHost.h"
#include "Ipv4Text.h"
#include "ui_DialogNewClock.h"

DialogNewClock::DialogNewClock(DialogHost &dialogs, QWidget *parent)
    : FramelessDialog(parent)
    , ui(new Ui::DialogNewClock)
    , m_dialogs(dialogs)
{
    ui->setupUi(this);
    attachTitleBar(ui->wdtTitlebar, ui->lblTitle);
    ui->btnAccept->setDefault(true);
    connect(ui->btnAccept, &QAbstractButton::clicked, this, &DialogNewClock::acceptAddress);
    connect(ui->btnCancel, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(ui->btnRefreshNetworkInterface, &QAbstractButton::clicked, this, &DialogNewClock::refreshInterfaces);
    connect(ui->btnClose, &QAbstractButton::clicked, this, &QWidget::close);
    ui->ledIP->setFocus();
    m_choices.refresh(NetworkCardData());
    showChoices();
}

DialogNewClock::~DialogNewClock()
{
    delete ui;
}

QString DialogNewClock::user() const
{
    return ui->ledUser->text();
}

QString DialogNewClock::password() const
{
    return ui->ledPassword->text();
}

NetworkCardData DialogNewClock::networkInterface() const
{
    return m_choices.cardAt(ui->cbxNetworkInterface->currentIndex());
}

void DialogNewClock::setNetworkCards(const QList<NetworkCardData> &cards, const NetworkCardData &current)
{
    m_choices.build(cards, current);
    showChoices();
}

void DialogNewClock::showChoices()
{
    ui->cbxNetworkInterface->clear();
    ui->cbxNetworkInterface->addItems(m_choices.items());
    ui->cbxNetworkInterface->setCurrentIndex(m_choices.selectedIndex());
}

void DialogNewClock::acceptAddress()
{
    // A partial address would be read as another clock's ("192.168" is
    // 192.0.0.168), so only a complete one is taken.
    const QString ip = Ipv4Text::canonical(ui->ledIP->text());
    if (ip.isEmpty()) {
        m_dialogs.ask(this, tr("Incorrect IP Address"), QuestionIcon::Warning, tr("OK"));
        return;
    }
    m_ip = ip;
    accept();
}

void DialogNewClock::refreshInterfaces()
{
    // The chosen interface stays chosen, marked when it has gone.
    m_choices.refresh(networkInterface());
    showChoices();
}

