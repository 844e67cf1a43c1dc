#include "session/AvailabilityMailer.h"

#include "core/AppIdentity.h"
#include "notify/MailSender.h"
#include "notify/NotificationSettings.h"
#include "notify/Smtp.h"
#include "session/AvailabilityHistory.h"
#include "session/AvailabilityMailSchedule.h"
#include "session/AvailabilityWorkbook.h"

#include <QDebug>

namespace {

const QByteArray workbookType = QByteArrayLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet");

QString shareText(double share)
{
    return share < 0 ? QStringLiteral("-") : QStringLiteral("%1 %").arg(share * 100.0, 0, 'f', 2);
}

} // namespace

AvailabilityMailer::AvailabilityMailer(const ClockRegistry &registry, NotificationSettings &settings,
                                       const QString &historyFolder, QObject *parent)
    : QObject(parent)
    , m_registry(registry)
    , m_settings(settings)
    , m_folder(historyFolder)
    , m_mailTimeoutMs(MailSender::mailTimeoutMs)
{
    m_worker.setMaxThreadCount(1);
    m_timer.setInterval(defaultCheckIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &AvailabilityMailer::checkNow);
}

AvailabilityMailer::~AvailabilityMailer() = default;

void AvailabilityMailer::setCheckIntervalMs(int ms)
{
    m_timer.setInterval(qMax(1, ms));
}

void AvailabilityMailer::start()
{
    m_timer.start();
    QTimer::singleShot(0, this, &AvailabilityMailer::checkNow);
}

void AvailabilityMailer::stop()
{
    m_timer.stop();
}

QString AvailabilityMailer::subject(const QDate &month)
{
    return appDisplayName() + QLatin1Char(' ') + tr("availability report %1").arg(AvailabilityMailSchedule::monthKey(month));
}

QString AvailabilityMailer::fileName(const QDate &month)
{
    return QStringLiteral("availability-%1.xlsx").arg(AvailabilityMailSchedule::monthKey(month));
}

QString AvailabilityMailer::body(const AvailabilityReport::Result &result)
{
    const QString format = QStringLiteral("yyyy-MM-dd hh:mm");
    const AvailabilityReport::Figures &site = result.site;
    QStringList lines{
        tr("Availability of the clocks from %1 to %2.")
            .arg(result.from.toLocalTime().toString(format), result.to.toLocalTime().toString(format)),
        QString(),
        tr("Clocks: %1").arg(site.clocks),
        tr("Answering: %1").arg(shareText(site.answeringShare())),
        tr("Synchronised: %1").arg(shareText(site.synchronisedShare())),
        tr("Incidents: %1").arg(site.incidents),
        QString(),
        tr("The workbook attached holds the figures of every group and clock and the outages."),
    };
    return lines.join(QLatin1String("\r\n"));
}

void AvailabilityMailer::checkNow()
{
    if (isBusy())
        return;
    AvailabilityMailSchedule::Input input;
    input.enabled = m_settings.availabilityMail;
    input.day = m_settings.availabilityMailDay;
    input.lastMonth = m_settings.availabilityLastMonth;
    input.now = QDateTime::currentDateTime();
    input.lastFailure = m_lastFailure;
    input.retrySecs = m_retrySecs;
    const QDate month = AvailabilityMailSchedule::dueMonth(input);
    if (!month.isValid())
        return;

    // The list is read here, on its own thread; the history and the
    // workbook on the worker.
    const QList<AvailabilityReport::Clock> clocks = AvailabilityHistory::clocksOf(m_registry);
    const QString folder = m_folder;
    m_computing = true;
    m_worker.start([this, month, clocks, folder] {
        QString problem;
        const AvailabilityReport::Result result = AvailabilityHistory::compute(
            folder, AvailabilityMailSchedule::monthStart(month).toUTC(),
            AvailabilityMailSchedule::monthEnd(month).toUTC(), clocks, QDateTime::currentDateTimeUtc(), &problem);
        QByteArray workbook;
        if (problem.isEmpty())
            workbook = AvailabilityWorkbook::build(result, &problem);
        // Queued to this object, which the pool's destruction outlives.
        QMetaObject::invokeMethod(
            this, [this, month, result, workbook, problem] { computed(month, result, workbook, problem); },
            Qt::QueuedConnection);
    });
}

void AvailabilityMailer::computed(const QDate &month, const AvailabilityReport::Result &result,
                                  const QByteArray &workbook, const QString &problem)
{
    m_computing = false;
    // Figures from a history that cannot be read would be invented.
    if (!problem.isEmpty()) {
        ended(month, false, problem);
        return;
    }
    m_sender = std::make_unique<MailSender>(m_settings);
    m_sender->setTimeout(m_mailTimeoutMs);
    connect(m_sender.get(), &MailSender::SigMailSent, this, [this, month](const QString &status) {
        // Released from the event loop: this runs inside the sender's signal.
        m_sender.release()->deleteLater();
        ended(month, status == Smtp::sentText, status);
    });
    const MailEncoding::Attachment attachment{fileName(month), workbookType, workbook};
    if (!m_sender->sendMessage(subject(month), body(result), m_settings.availabilityMailRecipients(), {attachment})) {
        m_sender.reset();
        ended(month, false, Smtp::failedText);
    }
}

void AvailabilityMailer::ended(const QDate &month, bool delivered, const QString &status)
{
    if (delivered) {
        m_lastFailure = QDateTime();
        m_settings.availabilityLastMonth = AvailabilityMailSchedule::monthKey(month);
    } else {
        m_lastFailure = QDateTime::currentDateTime();
        qDebug().noquote() << "Availability mail for" << AvailabilityMailSchedule::monthKey(month)
                           << "not sent:" << status;
    }
    emit mailed(month, delivered, status);
}
