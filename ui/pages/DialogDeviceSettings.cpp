#include "ui/pages/DialogDeviceSettings.h"

#include "model/ClockNetworkSettings.h"
#include "operations/Communication.h"
#include "model/DevClock.h"
#include "ui/dialogs/DialogHost.h"
#include "values/Ipv4Text.h"
#include "ui/services/OperationRunner.h"
#include "model/ParameterText.h"
#include "operations/SetNetworkSender.h"
#include "operations/SimpleSender.h"
#include "persistence/ClockEvent.h"
#include "session/MonitoringSession.h"
#include "values/Error.h"
#include "ui_DialogDeviceSettings.h"

#include <QScreen>
#include <QShowEvent>
#include <QStyle>

#include <algorithm>

#include <iterator>
#include <utility>

namespace {
// A single exchange reports no progress until it ends; the bar heads here meanwhile.
constexpr double commandProgress = 0.8;

QString labelName(const QLabel *label)
{
    QString text = label->text();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}
} // namespace

namespace {

// The history's record of a command the dialog sent, done or not.
void recordCommand(MonitoringSession *session, const DevClock *clock, const QString &operation,
                   QVector<OperatorChange::Field> fields, const DataSender *sender)
{
    if (!session || !clock)
        return;
    OperatorChange change;
    change.operation = operation;
    change.fields = std::move(fields);
    change.done = sender->result() == DataSender::Succeeded;
    if (!change.done)
        change.reason = ErrorText::operationFailed(sender->errorCode() == NoError ? ConnectionError : sender->errorCode(),
                                                   sender->errorReason());
    session->recordChange(clock->network.ip, change);
}

} // namespace

DialogDeviceSettings::DialogDeviceSettings(DialogHost &dialogs, Communication &communication, QWidget *parent)
    : FramelessDialog(parent)
    , ui(new Ui::DialogDeviceSettings)
    , m_dialogs(dialogs)
    , m_communication(communication)
    , m_runner(std::make_unique<OperationRunner>(dialogs, communication))
{
    // Its progress dialogs sit over this dialog, not over the window.
    m_runner->setDialogParent(this);
    ui->setupUi(this);
    attachTitleBar(ui->wdtTitlebar, ui->lblTitle);
    connect(ui->btnAuthenticationSet, &QAbstractButton::clicked, this, &DialogDeviceSettings::setAuthentication);
    connect(ui->btnRefreshNetworkInterface, &QAbstractButton::clicked, this, &DialogDeviceSettings::refreshInterfaces);
    connect(ui->btnSetNetworkInterface, &QAbstractButton::clicked, this, &DialogDeviceSettings::setNetworkInterface);
    connect(ui->btnNameSend, &QAbstractButton::clicked, this, &DialogDeviceSettings::sendName);
    connect(ui->cbxDhcp, &QAbstractButton::clicked, this, &DialogDeviceSettings::showNetworkMode);
    connect(ui->btnNetworkSend, &QAbstractButton::clicked, this, &DialogDeviceSettings::sendNetwork);
    connect(ui->btnPasswordSend, &QAbstractButton::clicked, this, &DialogDeviceSettings::sendPassword);
    connect(ui->btnCancel, &QAbstractButton::clicked, this, &DialogDeviceSettings::reject);
    connect(ui->btnClose, &QAbstractButton::clicked, this, &DialogDeviceSettings::reject);
    showNetworkMode();
}

DialogDeviceSettings::~DialogDeviceSettings()
{
    delete ui;
}

void DialogDeviceSettings::showEvent(QShowEvent *event)
{
    // Once shown, the settings are laid out as drawn; before, some of them
    // still measure as if hidden.
    FramelessDialog::showEvent(event);
    if (!event->spontaneous())
        fitToContents();
}

void DialogDeviceSettings::fitToContents()
{
    // Sized as drawn: the style sheet's fonts and paddings first.
    ensurePolished();
    layout()->activate();
    // The settings whole, with what the dialog puts above, below and
    // around them: the title bar, the bottom bar and the margins.
    const int areaFrame = 2 * ui->sarSettings->frameWidth();
    const QSize settings = ui->wdtScrollContents->sizeHint() + QSize(areaFrame, areaFrame);
    const QMargins margins = layout()->contentsMargins();
    QSize wanted(std::max(settings.width() + margins.left() + margins.right(), layout()->totalMinimumSize().width()),
                 settings.height() + layout()->totalSizeHint().height() - ui->sarSettings->sizeHint().height());
    const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen *screen = (owner ? owner : this)->screen();
    const QRect room = screen ? screen->availableGeometry() : QRect(QPoint(), wanted);
    // Taller than the screen: the settings scroll, beside their scroll bar.
    if (wanted.height() > room.height())
        wanted.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    wanted = wanted.boundedTo(room.size());
    resize(wanted);
    // Over the window it belongs to (not where the system would put a new
    // window), and whole on that window's screen.
    QRect placed(QPoint(), wanted);
    placed.moveCenter(owner ? owner->geometry().center() : room.center());
    placed.moveLeft(std::clamp(placed.left(), room.left(), room.right() + 1 - placed.width()));
    placed.moveTop(std::clamp(placed.top(), room.top(), room.bottom() + 1 - placed.height()));
    move(placed.topLeft());
}

void DialogDeviceSettings::setClock(DevClock *clock, int index)
{
    m_clock = clock;
    m_clockIndex = index;
    if (!clock)
        return;
    const ClockNetworkSettings &n = clock->network;
    ui->ledUser->setText(clock->user);
    ui->ledPassword->setText(clock->password);
    ui->ledName->setText(clock->name);
    ui->cbxDhcp->setChecked(n.DHCP);
    ui->ledIp->setText(n.ip);
    ui->ledSubnetMask->setText(n.subnet);
    ui->ledGateway->setText(n.gateway);
    ui->ledDnsPrimary->setText(n.dnsPrimary);
    ui->ledDnsSecondary->setText(n.dnsSecondary);
    ui->cbxDhcpOpt42->setChecked(n.dhcpOpt42);
    ui->cbxDhcpOptPrivate->setChecked(n.dhcpOptPrivate);
    ui->sbxDhcpPrivateOptNumber->setValue(n.dhcpPrivateOptNumber);
    ui->cbxDisableRemoteAccess->setChecked(n.disableRemoteAccess);
    ui->sbxWebPanelTimeout->setValue(n.webPanelTimeout);
    ui->ledPasswordOld->clear();
    ui->ledPasswordNew->clear();
    ui->ledPasswordNew2->clear();
    showNetworkMode();
    refreshInterfaces();
}

void DialogDeviceSettings::setNetworkCards(const QList<NetworkCardData> &cards)
{
    m_fixedCards = std::make_unique<QList<NetworkCardData>>(cards);
    refreshInterfaces();
}

void DialogDeviceSettings::refreshInterfaces()
{
    const NetworkCardData current = m_clock ? m_clock->networkInterface : NetworkCardData();
    if (m_fixedCards)
        m_choices.build(*m_fixedCards, current);
    else
        m_choices.refresh(current);
    ui->cbxNetworkInterface->clear();
    ui->cbxNetworkInterface->addItems(m_choices.items());
    ui->cbxNetworkInterface->setCurrentIndex(m_choices.selectedIndex());
}

void DialogDeviceSettings::showNetworkMode()
{
    ui->wdtNetworkManual->setVisible(!ui->cbxDhcp->isChecked());
    ui->wdtNetworkDhcp->setVisible(ui->cbxDhcp->isChecked());
}

void DialogDeviceSettings::message(const QString &text, QuestionIcon icon)
{
    m_dialogs.message(this, text, icon);
}

void DialogDeviceSettings::setAuthentication()
{
    if (!m_clock)
        return;
    m_clock->user = ui->ledUser->text();
    m_clock->password = ui->ledPassword->text();
    message(tr("Authentication data set."), QuestionIcon::Info);
}

void DialogDeviceSettings::setNetworkInterface()
{
    if (!m_clock)
        return;
    // "Default" gives the null record; a kept, no longer present interface
    // is the last card, so choosing it keeps it.
    m_clock->networkInterface = m_choices.cardAt(ui->cbxNetworkInterface->currentIndex());
    message(tr("Network interface set."), QuestionIcon::Info);
    refreshInterfaces();
}

void DialogDeviceSettings::sendName()
{
    if (!m_clock)
        return;
    const QString name = ui->ledName->text();
    if (name.isEmpty()) {
        message(tr("Name cannot be empty"), QuestionIcon::Warning);
        return;
    }
    if (!ParameterText::isSafe(name)) {
        message(ParameterText::nameRefusalText(), QuestionIcon::Warning);
        return;
    }
    m_runner->run(m_communication.setName(SenderTarget::fromClock(*m_clock), name), tr("Sending name"),
                  [this](DataSender *sender) { onNameSendFinished(sender); }, this, commandProgress);
}

bool DialogDeviceSettings::formNetwork(ClockNetworkSettings &s, QString &badField) const
{
    // A partial address would leave the clock unreachable; leading zeros
    // would be read as octal by whoever reads them next.
    const std::pair<const QLineEdit *, const QLabel *> addresses[] = {
        {ui->ledIp, ui->lblIp},
        {ui->ledSubnetMask, ui->lblSubnetMark},
        {ui->ledGateway, ui->lblGateway},
        {ui->ledDnsPrimary, ui->lblDnsPrimary},
        {ui->ledDnsSecondary, ui->lblDnsSecondary}};
    QString *fields[] = {&s.ip, &s.subnet, &s.gateway, &s.dnsPrimary, &s.dnsSecondary};
    for (int i = 0; i < int(std::size(addresses)); ++i) {
        *fields[i] = Ipv4Text::canonical(addresses[i].first->text());
        if (fields[i]->isEmpty()) {
            badField = labelName(addresses[i].second);
            return false;
        }
    }
    s.DHCP = ui->cbxDhcp->isChecked();
    s.dhcpOpt42 = ui->cbxDhcpOpt42->isChecked();
    s.dhcpOptPrivate = ui->cbxDhcpOptPrivate->isChecked();
    s.dhcpPrivateOptNumber = ui->sbxDhcpPrivateOptNumber->value();
    s.disableRemoteAccess = ui->cbxDisableRemoteAccess->isChecked();
    s.webPanelTimeout = ui->sbxWebPanelTimeout->value();
    return true;
}

void DialogDeviceSettings::sendNetwork()
{
    if (!m_clock)
        return;
    // The port and anything else the form does not show stay as recorded.
    ClockNetworkSettings settings = m_clock->network;
    QString badField;
    if (!formNetwork(settings, badField)) {
        message(tr("The network settings were not sent: %1 is not a complete IP address.").arg(badField),
                QuestionIcon::Warning);
        return;
    }
    // Addressed to where the clock is now, not to the address being set.
    m_runner->run(m_communication.setNetwork(SenderTarget::fromClock(*m_clock), settings),
                  tr("Sending network settings"), [this](DataSender *sender) { onNetworkSendFinished(sender); },
                  this, commandProgress);
}

void DialogDeviceSettings::sendPassword()
{
    if (!m_clock)
        return;
    const QString oldPassword = ui->ledPasswordOld->text();
    const QString newPassword = ui->ledPasswordNew->text();
    if (ui->ledPasswordNew2->text() != newPassword) {
        message(tr("New password is not identical in both fields"), QuestionIcon::Warning);
        ui->ledPasswordOld->clear();
        ui->ledPasswordNew->clear();
        ui->ledPasswordNew2->clear();
        return;
    }
    if (!ParameterText::isSafePassword(oldPassword) || !ParameterText::isSafePassword(newPassword)) {
        message(ParameterText::passwordRefusalText(), QuestionIcon::Warning);
        return;
    }
    m_runner->run(m_communication.setPassword(SenderTarget::fromClock(*m_clock), oldPassword, newPassword),
                  tr("Sending password"), [this](DataSender *sender) { onPasswordSendFinished(sender); }, this,
                  commandProgress);
}

void DialogDeviceSettings::onProgressUpdate(double value)
{
    m_runner->onProgressUpdate(value);
}

bool DialogDeviceSettings::commandSucceeded(DataSender *sender)
{
    if (sender->result() == DataSender::Succeeded)
        return true;
    if (!m_runner->reportFailure(sender, false) || sender->result() != DataSender::Failed
        || sender->isCancelRequested())
        return false;
    // The exchange's own kind says more than the sender's, which a command
    // to one clock leaves unset ("Unable connect to device" for everything).
    Error kind = sender->errorCode();
    if (const auto *simple = qobject_cast<SimpleSender *>(sender); simple && !simple->errors().isEmpty()
        && simple->errors().constFirst() != NoError)
        kind = simple->errors().constFirst();
    m_runner->ShowOperationError(kind);
    return false;
}

void DialogDeviceSettings::onNameSendFinished(DataSender *sender)
{
    recordCommand(m_session, m_clock, QStringLiteral("name"),
                  {{QStringLiteral("Name"), m_clock ? m_clock->name : QString(), ui->ledName->text()}}, sender);
    if (!commandSucceeded(sender))
        return;
    message(tr("Name changed successfully."), QuestionIcon::Info);
    m_changed = true;
}

void DialogDeviceSettings::onNetworkSendFinished(DataSender *sender)
{
    if (m_clock) {
        ClockNetworkSettings sent = m_clock->network;
        QString bad;
        formNetwork(sent, bad);
        const ClockNetworkSettings &was = m_clock->network;
        const auto onOff = [](bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); };
        const QVector<OperatorChange::Field> all{
            {QStringLiteral("ip"), was.ip, sent.ip},
            {QStringLiteral("subnet"), was.subnet, sent.subnet},
            {QStringLiteral("gateway"), was.gateway, sent.gateway},
            {QStringLiteral("dnsPrimary"), was.dnsPrimary, sent.dnsPrimary},
            {QStringLiteral("dnsSecondary"), was.dnsSecondary, sent.dnsSecondary},
            {QStringLiteral("DHCP"), onOff(was.DHCP), onOff(sent.DHCP)},
            {QStringLiteral("dhcpOpt42"), onOff(was.dhcpOpt42), onOff(sent.dhcpOpt42)},
            {QStringLiteral("dhcpOptPrivate"), onOff(was.dhcpOptPrivate), onOff(sent.dhcpOptPrivate)},
            {QStringLiteral("disableRemoteAccess"), onOff(was.disableRemoteAccess), onOff(sent.disableRemoteAccess)},
            {QStringLiteral("dhcpPrivateOptNumber"), QString::number(was.dhcpPrivateOptNumber),
             QString::number(sent.dhcpPrivateOptNumber)},
            {QStringLiteral("webPanelTimeout"), QString::number(was.webPanelTimeout), QString::number(sent.webPanelTimeout)}};
        QVector<OperatorChange::Field> changed;
        std::copy_if(all.cbegin(), all.cend(), std::back_inserter(changed),
                     [](const OperatorChange::Field &field) { return field.before != field.after; });
        recordCommand(m_session, m_clock, QStringLiteral("network"), changed, sender);
    }
    if (!commandSucceeded(sender))
        return;
    // The form is what was sent: the dialog is blocked while the command runs.
    QString badField;
    if (m_clock) {
        ClockNetworkSettings settings = m_clock->network;
        if (formNetwork(settings, badField))
            m_clock->network = settings;
    }
    message(tr("Network settings changed successfully."), QuestionIcon::Info);
    m_changed = true;
}

void DialogDeviceSettings::onPasswordSendFinished(DataSender *sender)
{
    // That it changed, never to what.
    recordCommand(m_session, m_clock, QStringLiteral("password"), {}, sender);
    if (!commandSucceeded(sender))
        return;
    message(tr("Password changed successfully."), QuestionIcon::Info);
    // Later requests authenticate with the new password.
    if (m_clock) {
        m_clock->password = ui->ledPasswordNew->text();
        ui->ledPassword->setText(m_clock->password);
    }
    m_changed = true;
}

void DialogDeviceSettings::reject()
{
    const bool changed = m_changed;
    m_clock = nullptr;
    m_clockIndex = -1;
    done(changed ? QDialog::Accepted : QDialog::Rejected);
}

