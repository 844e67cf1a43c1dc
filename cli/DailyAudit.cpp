#include "cli/DailyAudit.h"

#include "core/AppIdentity.h"
#include "core/AppSettings.h"
#include "session/AuditFindingsStore.h"
#include "cli/AuditReport.h"
#include "cli/CliCommandLine.h"
#include "cli/CliOutput.h"
#include "operations/audit/FleetAudit.h"
#include "notify/MailSender.h"
#include "persistence/XmlFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString recordFileName = QStringLiteral("audit-mailed.json");
const QString fingerprintKey = QStringLiteral("fingerprint");
const QString mailedKey = QStringLiteral("mailed");
const QString lineTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");
const QString messageSent = QStringLiteral("Message sent");
// A record is a line of JSON; anything longer is not one of ours.
constexpr qint64 maxRecordSize = 64 * 1024;

} // namespace

DailyAudit::DailyAudit(ClockRegistry &registry, Communication &exchanges, const NotificationSettings &alerts,
                       CliOutput &output, const QTime &at, const QTimeZone &siteZone, QObject *parent)
    : ScheduledAudit(parent)
    , m_registry(registry)
    , m_exchanges(exchanges)
    , m_alerts(alerts)
    , m_output(output)
    , m_at(at)
    , m_siteZone(siteZone)
    , m_recordPath(AppSettings::dataFolderPath() + QLatin1Char('/') + recordFileName)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &DailyAudit::runNow);
}

DailyAudit::~DailyAudit() = default;

std::unique_ptr<DailyAudit> DailyAudit::fromInvocation(ClockRegistry &registry, Communication &exchanges,
                                                       const NotificationSettings &alerts,
                                                       const CliInvocation &invocation, CliOutput &output)
{
    if (!invocation.hasOption(QStringLiteral("audit-daily")))
        return nullptr;
    const QTime at = QTime::fromString(invocation.option(QStringLiteral("audit-daily")), QStringLiteral("HH:mm"));
    const QTimeZone zone = invocation.hasOption(QStringLiteral("site-zone"))
        ? QTimeZone(invocation.option(QStringLiteral("site-zone")).toUtf8())
        : AppSettings::siteZone();
    return std::make_unique<DailyAudit>(registry, exchanges, alerts, output, at, zone);
}

QDateTime DailyAudit::nextRun(const QDateTime &now, const QTime &at)
{
    QDateTime next(now.date(), at);
    if (next <= now)
        next = QDateTime(now.date().addDays(1), at);
    return next;
}

void DailyAudit::start()
{
    schedule();
}

void DailyAudit::schedule()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_timer.start(int(now.msecsTo(nextRun(now, m_at))));
}

QByteArray DailyAudit::fingerprintOf(const QJsonArray &clocksWithFindings)
{
    return QCryptographicHash::hash(QJsonDocument(clocksWithFindings).toJson(QJsonDocument::Compact),
                                    QCryptographicHash::Sha256)
        .toHex();
}

QByteArray DailyAudit::fingerprint(const FleetAudit &audit)
{
    // Only the clocks with findings, and without the texts, which follow the
    // language: an audit that found nothing always has the same fingerprint.
    QJsonArray found;
    const QJsonArray clocks = AuditReport::findingsJson(audit).value(QStringLiteral("clocks")).toArray();
    for (const QJsonValue &value : clocks) {
        QJsonObject clock = value.toObject();
        QJsonArray findings;
        for (const QJsonValue &finding : clock.value(QStringLiteral("findings")).toArray()) {
            QJsonObject f = finding.toObject();
            f.remove(QStringLiteral("reason"));
            f.remove(QStringLiteral("errorText"));
            findings.append(f);
        }
        if (findings.isEmpty())
            continue;
        clock.insert(QStringLiteral("findings"), findings);
        found.append(clock);
    }
    return fingerprintOf(found);
}

void DailyAudit::runNow()
{
    if (m_audit || m_mail)
        return;
    m_audit = std::make_unique<FleetAudit>(m_exchanges);
    m_audit->selectAllClocks(m_registry);
    m_audit->setSiteZone(m_siteZone);
    m_audit->setMinimumFirmware(AuditChecks::minimumFirmwareOf(AppSettings::minimumFirmware()));
    connect(m_audit.get(), &FleetAudit::finished, this, &DailyAudit::onAuditFinished);
    connect(m_audit.get(), &FleetAudit::canceled, this, &DailyAudit::onAuditCanceled);
    m_audit->start();
}

void DailyAudit::onAuditCanceled()
{
    m_audit.release()->deleteLater();
    finish(Outcome::Canceled, tr("Canceled."));
}

void DailyAudit::onAuditFinished()
{
    // Released from the event loop: this runs inside the audit's own signal.
    FleetAudit *audit = m_audit.release();
    audit->deleteLater();
    m_summary = AuditReport::summaryLine(AuditReport::summary(*audit));
    // Also what `list` shows beside each clock's live status.
    AuditFindingsStore::of(*audit, m_registry).save();
    emit audited(*audit);
    if (!m_mailEnabled) {
        finish(Outcome::MailOff, QString());
        return;
    }

    const QByteArray current = fingerprint(*audit);
    if (current == mailedFingerprint()) {
        finish(Outcome::Unchanged, tr("Unchanged since the last mail; not mailed."));
        return;
    }
    const QString subject = tr("%1 audit: %2").arg(appDisplayName(), m_summary);
    QString body = AuditReport::text(*audit);
    body.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    m_pendingFingerprint = current;
    m_mail = std::make_unique<MailSender>(m_alerts);
    connect(m_mail.get(), &MailSender::SigMailSent, this, &DailyAudit::onMailSent);
    if (!m_mail->sendTest(subject, body)) {
        m_mail.reset();
        finish(Outcome::MailFailed, tr("Not mailed: no recipient or no connection to the mail server."));
    }
}

void DailyAudit::onMailSent(const QString &status)
{
    if (MailSender *mail = m_mail.release())
        mail->deleteLater();
    if (status != messageSent) {
        finish(Outcome::MailFailed, tr("Not mailed: %1").arg(status));
        return;
    }
    if (!writeRecord(m_pendingFingerprint))
        m_output.message(tr("Cannot write %1; the same findings will be mailed again.").arg(m_recordPath));
    finish(Outcome::Mailed, tr("Mailed."));
}

void DailyAudit::finish(Outcome outcome, const QString &note)
{
    const QString time = QDateTime::currentDateTime().toString(lineTimeFormat);
    m_output.line(tr("%1  Audit: %2 %3").arg(time, m_summary, note).trimmed());
    schedule();
    emit ran(outcome);
}

QByteArray DailyAudit::mailedFingerprint() const
{
    // Nothing mailed yet counts as nothing found: a clean fleet is not mailed.
    QFile file(m_recordPath);
    if (!file.exists())
        return fingerprintOf(QJsonArray());
    if (file.size() > maxRecordSize || !file.open(QIODevice::ReadOnly))
        return QByteArray();
    const QJsonObject record = QJsonDocument::fromJson(file.readAll()).object();
    return record.value(fingerprintKey).toString().toLatin1();
}

bool DailyAudit::writeRecord(const QByteArray &fingerprint) const
{
    const QJsonObject record{{fingerprintKey, QString::fromLatin1(fingerprint)},
                             {mailedKey, QDateTime::currentDateTimeUtc().toString(Qt::ISODate)}};
    // Private like the findings it stands for; its write makes the data folder.
    return XmlFile::write(m_recordPath, QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n',
                          XmlFile::Access::OwnerOnly);
}
