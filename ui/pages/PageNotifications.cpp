#include "ui/pages/PageNotifications.h"

#include "ui/dialogs/DialogHost.h"
#include "session/MonitoringSession.h"
#include "notify/NotificationSettings.h"
#include "ui/services/PageServices.h"
#include "ui/widgets/PushButtonFlat.h"
#include "ui/widgets/TableItemCustom.h"
#include "notify/TestMailFlow.h"
#include "desktop/ThemeManager.h"
#include "ui_PageNotifications.h"

#include <QHeaderView>

namespace {

enum RecipientColumn { TypeColumn, AddressColumn, ButtonColumn };

const QString deleteIcon = QStringLiteral(":/icons/resources/icons/delete.png");
const QString addIcon = QStringLiteral(":/icons/resources/icons/add.png");
constexpr int deleteButtonMinimumWidth = 48;
constexpr int minimumRecipientLength = 4;

} // namespace

PageNotifications::PageNotifications(PageServices &services, QWidget *parent)
    : NavigationPage(parent)
    , ui(new Ui::PageNotifications)
    , m_services(services)
    , m_testMail(new TestMailFlow(services.session().alertSettings(), this))
{
    ui->setupUi(this);
    ui->btnAddRecipient->setIcon(ThemeManager::themedIcon(addIcon));
    QHeaderView *header = ui->twdNotifRecipients->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(AddressColumn, QHeaderView::Stretch);
    // Over the start of its column, where the addresses begin.
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_testMail->setAsker([this] {
        if (!hasUnsavedChanges())
            return TestMailFlow::Choice::SendOnly;
        const QuestionResult answer = m_services.dialogs().ask(
            m_services.window(), tr("Save configuration before sending test e-mail?"), QuestionIcon::Question,
            tr("Save and send"), tr("Send only"), tr("Cancel"));
        if (answer == QuestionResult::Positive)
            return TestMailFlow::Choice::SaveAndSend;
        return answer == QuestionResult::Neutral ? TestMailFlow::Choice::Cancel : TestMailFlow::Choice::SendOnly;
    });
    m_testMail->setSaver([this] { SaveNotificationSettings(false); });
    connect(m_testMail, &TestMailFlow::finished, this, &PageNotifications::onTestMailFinished);

    connect(ui->btnAddRecipient, &QAbstractButton::clicked, this, &PageNotifications::addRecipient);
    connect(ui->btnNotifSave, &QAbstractButton::clicked, this, [this] { SaveNotificationSettings(true); });
    connect(ui->btnNotifTestMail, &QAbstractButton::clicked, m_testMail, &TestMailFlow::request);
    connect(ui->cbxAuthenticationType, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &PageNotifications::showCredentials);
    connect(ui->btnHideToTray, &QAbstractButton::clicked, this, &PageNotifications::hideToTray);
    connect(ui->cbxAvailabilityMail, &QAbstractButton::toggled, this, &PageNotifications::showAvailabilityMail);
    showCredentials(ui->cbxAuthenticationType->currentIndex());
    LoadNotificationWidgets();
}

PageNotifications::~PageNotifications()
{
    delete ui;
}

bool PageNotifications::isRecipientAcceptable(const QString &address)
{
    return address.contains(QLatin1Char('@')) && address.size() >= minimumRecipientLength;
}

void PageNotifications::setTestMailTimeout(int timeoutMs)
{
    m_testMail->setTimeout(timeoutMs);
}

bool PageNotifications::isTestMailRunning() const
{
    return m_testMail->isRunning();
}

void PageNotifications::LoadNotificationWidgets()
{
    const NotificationSettings &settings = m_services.session().alertSettings();
    ui->ledNotifServer->setText(settings.server);
    ui->sbxNotifPort->setValue(settings.port);
    ui->ledNotifUsername->setText(settings.username);
    ui->ledNotifPassword->setText(settings.password);
    ui->ledNotifFrom->setText(settings.from);
    ui->cbxEncryptionType->setCurrentIndex(settings.smtpType);
    ui->cbxIgnoreSslErrors->setChecked(settings.ignoreSslErrors);
    ui->cbxResendMail->setCurrentIndex(settings.resendMailTime);
    ui->cbxAuthenticationType->setCurrentIndex(settings.authType);
    // The same index emits nothing, so the credentials follow it here.
    showCredentials(ui->cbxAuthenticationType->currentIndex());
    ui->cbxNotifNoConnection->setChecked(settings.errorConnection);
    ui->cbxNotifNoAuth->setChecked(settings.errorAuth);
    ui->cbxNotifNtpTimeout->setChecked(settings.errorNtpTimeout);
    ui->sbxCollectionWindow->setValue(settings.collectionWindowSeconds);
    ui->cbxRecoveryMails->setChecked(settings.recoveryMails);
    ui->cbxAvailabilityMail->setChecked(settings.availabilityMail);
    ui->sbxAvailabilityMailDay->setValue(settings.availabilityMailDay);
    QStringList reportRecipients;
    for (const Recipient &recipient : settings.availabilityRecipients)
        reportRecipients << recipient.name;
    ui->ledAvailabilityRecipients->setText(reportRecipients.join(QLatin1String(", ")));
    showAvailabilityMail(settings.availabilityMail);

    ui->twdNotifRecipients->setRowCount(0);
    for (const Recipient &recipient : settings.recipients)
        addRecipientRow(recipient.copy ? tr("Copy") : tr("To"), recipient.name);
    // As the form shows them: a value the form cannot show is no change.
    m_savedSettings = formSettings();
}

bool PageNotifications::SaveNotificationSettings(bool showMessage)
{
    if (ui->ledNotifUsername->isEnabled() && ui->ledNotifUsername->text().isEmpty()) {
        m_services.dialogs().message(m_services.window(), tr("Username cannot be empty"), QuestionIcon::Warning);
        return false;
    }
    if (ui->ledNotifPassword->isEnabled() && ui->ledNotifPassword->text().isEmpty()) {
        m_services.dialogs().message(m_services.window(), tr("Password cannot be empty"), QuestionIcon::Warning);
        return false;
    }

    for (const QString &address : availabilityAddresses()) {
        if (!isRecipientAcceptable(address)) {
            m_services.dialogs().message(m_services.window(),
                                        tr("Report recipient %1 is not a valid e-mail address.").arg(address),
                                        QuestionIcon::Warning);
            return false;
        }
    }

    NotificationSettings &settings = m_services.session().alertSettings();
    settings = formSettings();
    showCredentials(settings.authType);

    // The settings stay changed in memory; a read-only window or a full disk
    // must still say that nothing reached the file.
    MonitoringSession &session = m_services.session();
    if (!session.save()) {
        m_services.dialogs().message(m_services.window(), session.lastSaveError(), QuestionIcon::Warning);
        return false;
    }
    m_savedSettings = settings;
    if (showMessage)
        m_services.dialogs().message(m_services.window(), tr("Notification configuration saved."), QuestionIcon::Info);
    return true;
}

NotificationSettings PageNotifications::formSettings() const
{
    // What the form does not show (key, certificate) stays as it is.
    NotificationSettings settings = m_services.session().alertSettings();
    settings.server = ui->ledNotifServer->text();
    settings.port = ui->sbxNotifPort->value();
    settings.username = ui->ledNotifUsername->text();
    settings.password = ui->ledNotifPassword->text();
    settings.from = ui->ledNotifFrom->text();
    settings.smtpType = ui->cbxEncryptionType->currentIndex();
    settings.ignoreSslErrors = ui->cbxIgnoreSslErrors->isChecked();
    settings.resendMailTime = ui->cbxResendMail->currentIndex();
    settings.authType = ui->cbxAuthenticationType->currentIndex();
    settings.errorConnection = ui->cbxNotifNoConnection->isChecked();
    settings.errorAuth = ui->cbxNotifNoAuth->isChecked();
    settings.errorNtpTimeout = ui->cbxNotifNtpTimeout->isChecked();
    settings.collectionWindowSeconds = ui->sbxCollectionWindow->value();
    settings.recoveryMails = ui->cbxRecoveryMails->isChecked();
    settings.availabilityMail = ui->cbxAvailabilityMail->isChecked();
    settings.availabilityMailDay = ui->sbxAvailabilityMailDay->value();
    settings.availabilityRecipients.clear();
    for (const QString &address : availabilityAddresses())
        settings.availabilityRecipients.append(Recipient{address, false});

    settings.recipients.clear();
    const QString to = tr("To");
    for (int row = 0; row < ui->twdNotifRecipients->rowCount(); ++row) {
        Recipient recipient;
        recipient.name = ui->twdNotifRecipients->item(row, AddressColumn)->text();
        recipient.copy = ui->twdNotifRecipients->item(row, TypeColumn)->text() != to;
        settings.recipients.append(recipient);
    }
    return settings;
}

bool PageNotifications::hasUnsavedChanges() const
{
    // The month last mailed is the mail's bookkeeping, not an edit.
    NotificationSettings saved = m_savedSettings;
    saved.availabilityLastMonth = m_services.session().alertSettings().availabilityLastMonth;
    return formSettings() != saved;
}

QStringList PageNotifications::availabilityAddresses() const
{
    QStringList addresses;
    for (const QString &part : ui->ledAvailabilityRecipients->text().split(QLatin1Char(','))) {
        if (!part.trimmed().isEmpty())
            addresses << part.trimmed();
    }
    return addresses;
}

void PageNotifications::showAvailabilityMail(bool on)
{
    ui->sbxAvailabilityMailDay->setEnabled(on);
    ui->ledAvailabilityRecipients->setEnabled(on);
}

void PageNotifications::addRecipient()
{
    if (ui->twdNotifRecipients->rowCount() >= maxRecipients) {
        m_services.dialogs().message(m_services.window(), tr("You can add up to 10 recipients."),
                                    QuestionIcon::Warning);
        return;
    }
    const QString address = ui->ledNotifRecipient->text();
    if (!isRecipientAcceptable(address)) {
        m_services.dialogs().message(m_services.window(), tr("Recipient e-mail is not valid."), QuestionIcon::Warning);
        return;
    }
    addRecipientRow(ui->cbxNotifRecipType->currentText(), address);
    ui->ledNotifRecipient->clear();
}

void PageNotifications::addRecipientRow(const QString &typeText, const QString &address)
{
    QTableWidget *table = ui->twdNotifRecipients;
    const int row = table->rowCount();
    table->insertRow(row);
    table->setItem(row, TypeColumn, new QTableWidgetItem(typeText));
    table->setItem(row, AddressColumn, new QTableWidgetItem(address));
    auto *cell = new TableItemCustom(nullptr, row);
    // The column has no title: the button's name says what it does to whom.
    const QString toolTip = tr("Delete from list");
    cell->addButton(deleteIcon, QString(), toolTip, deleteButtonMinimumWidth)
        ->setAccessibleName(tr("Remove recipient %1").arg(address));
    // The cell carries its current row, so the slot removes the right one
    // however many rows went before it.
    connect(cell, &TableItemCustom::ButtonClicked, this,
            [this](int cellRow, int) { removeRecipientRow(cellRow); });
    table->setCellWidget(row, ButtonColumn, cell);
}

void PageNotifications::removeRecipientRow(int row)
{
    QTableWidget *table = ui->twdNotifRecipients;
    if (row < 0 || row >= table->rowCount())
        return;
    table->removeRow(row);
    for (int r = row; r < table->rowCount(); ++r) {
        if (auto *cell = qobject_cast<TableItemCustom *>(table->cellWidget(r, ButtonColumn)))
            cell->setRow(r);
    }
}

void PageNotifications::onTestMailFinished(bool success, const QString &message)
{
    m_services.dialogs().message(m_services.window(), message, success ? QuestionIcon::Info : QuestionIcon::Critical);
}

void PageNotifications::showCredentials(int authenticationType)
{
    const bool credentials = authenticationType != 0;
    ui->ledNotifUsername->setEnabled(credentials);
    ui->ledNotifPassword->setEnabled(credentials);
}

void PageNotifications::hideToTray()
{
    if (!hasUnsavedChanges()) {
        emit hideToTrayRequested();
        return;
    }
    const QuestionResult answer = m_services.dialogs().ask(
        m_services.window(), tr("Save configuration before minimize application?"), QuestionIcon::Question,
        tr("Save and minimize"), tr("Minimize only"), tr("Cancel"));
    if (answer == QuestionResult::Neutral)
        return;
    // Hidden whatever the save's outcome: the alerts go on either way.
    if (answer == QuestionResult::Positive)
        SaveNotificationSettings(false);
    emit hideToTrayRequested();
}
