#include "session/QuietRequests.h"

#include "core/AppSettings.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "platform/PrivateFiles.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QUuid>

namespace {

// A request is a few hundred bytes; anything larger is not one.
constexpr qint64 maxRequestBytes = 4096;
constexpr qint64 secondsPerMinute = 60;
constexpr qint64 secondsPerHour = 3600;
constexpr qint64 secondsPerDay = 86400;
// Longer than anyone needs; keeps the arithmetic far from overflow.
constexpr qint64 maxSpanDays = 3660;

} // namespace

QuietRequest::Outcome QuietRequest::apply(ClockRegistry &registry, const QDateTime &now) const
{
    Outcome outcome;
    const QuietPeriod next = mute ? period : QuietPeriod();
    const QuietHours nextHours = mute ? hours : QuietHours();
    if (!group.isEmpty()) {
        DevGroup *target = nullptr;
        for (DevGroup *candidate : registry.groups()) {
            if (candidate->name() == group)
                target = candidate;
        }
        if (!target) {
            outcome.error = tr("No group is named \"%1\".").arg(group);
            return outcome;
        }
        if (weekly)
            target->quietHours = nextHours;
        else
            target->quietPeriod = next;
        registry.announceGroupChanged(target);
        for (DevClock *clock : registry.clocks()) {
            if (registry.groupOfClock(clock) == target)
                outcome.clocks << clock;
        }
        for (const DevClock *clock : qAsConst(outcome.clocks))
            registry.announceClockChanged(clock);
        return outcome;
    }
    for (DevClock *clock : registry.clocks()) {
        if (clock->network.ip == ip) {
            if (weekly)
                clock->quietHours = nextHours;
            else
                clock->quietPeriod = next;
            outcome.clocks << clock;
        }
    }
    for (const DevClock *clock : qAsConst(outcome.clocks))
        registry.announceClockChanged(clock);
    if (outcome.clocks.isEmpty())
        outcome.error = tr("No clock with the address %1 is on the device list.").arg(ip);
    Q_UNUSED(now)
    return outcome;
}

QByteArray QuietRequest::toJson() const
{
    QJsonObject object{{QStringLiteral("mute"), mute}, {QStringLiteral("quietUntil"), period.toText()}};
    if (weekly) {
        object.insert(QStringLiteral("weekly"), true);
        object.insert(QStringLiteral("quietHours"), hours.toText());
    }
    if (!group.isEmpty())
        object.insert(QStringLiteral("group"), group);
    else
        object.insert(QStringLiteral("ip"), ip);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

bool QuietRequest::fromJson(const QByteArray &data, QuietRequest &request)
{
    const QJsonDocument document = QJsonDocument::fromJson(data);
    if (!document.isObject())
        return false;
    const QJsonObject object = document.object();
    request = QuietRequest();
    request.mute = object.value(QStringLiteral("mute")).toBool(true);
    request.ip = object.value(QStringLiteral("ip")).toString();
    request.group = object.value(QStringLiteral("group")).toString();
    request.period = QuietPeriod::fromText(object.value(QStringLiteral("quietUntil")).toString());
    request.weekly = object.value(QStringLiteral("weekly")).toBool(false);
    if (request.weekly) {
        request.hours = QuietHours::fromText(object.value(QStringLiteral("quietHours")).toString());
        request.period = QuietPeriod();
        // Text a holder does not understand would be kept and never obeyed.
        if (request.mute && !request.hours.isValid())
            return false;
    } else if (request.mute && !request.period.on) {
        return false;
    }
    return !request.ip.isEmpty() || !request.group.isEmpty();
}

QDateTime QuietRequest::parseUntil(const QString &text, const QDateTime &now)
{
    static const QRegularExpression span(QStringLiteral("^(\\d{1,6})([mhd])$"));
    const QRegularExpressionMatch match = span.match(text.trimmed());
    QDateTime until;
    if (match.hasMatch()) {
        const qint64 count = match.captured(1).toLongLong();
        const QChar unit = match.captured(2).at(0);
        const qint64 seconds = count
            * (unit == QLatin1Char('m')   ? secondsPerMinute
                   : unit == QLatin1Char('h') ? secondsPerHour
                                              : secondsPerDay);
        if (seconds <= maxSpanDays * secondsPerDay)
            until = now.addSecs(seconds);
    } else {
        for (const QString &format : {QStringLiteral("yyyy-MM-dd hh:mm"), QStringLiteral("yyyy-MM-ddThh:mm"),
                                      QStringLiteral("yyyy-MM-ddThh:mm:ss"), QStringLiteral("yyyy-MM-dd hh:mm:ss")}) {
            until = QDateTime::fromString(text.trimmed(), format);
            if (until.isValid())
                break;
        }
    }
    return until.isValid() && until > now ? until : QDateTime();
}

QString QuietRequest::folder()
{
    return AppSettings::dataFolderPath() + QStringLiteral("/requests");
}

bool QuietRequest::leave(QString *path) const
{
    PrivateFiles::makeFolder(folder());
    const QString name = folder() + QStringLiteral("/quiet-%1.json").arg(QUuid::createUuid().toString(QUuid::Id128));
    QSaveFile file(name);
    const QByteArray data = toJson();
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        || file.write(data) != data.size() || !file.commit())
        return false;
    if (path)
        *path = name;
    return true;
}

QuietRequestWatcher::QuietRequestWatcher(ClockRegistry &registry, QObject *parent)
    : QObject(parent)
    , m_registry(registry)
{
    PrivateFiles::makeFolder(QuietRequest::folder());
    m_watcher.addPath(QuietRequest::folder());
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &QuietRequestWatcher::applyWaiting);
    m_poll.setInterval(pollMs);
    connect(&m_poll, &QTimer::timeout, this, &QuietRequestWatcher::applyWaiting);
    m_poll.start();
}

void QuietRequestWatcher::applyWaiting()
{
    const QDir dir(QuietRequest::folder());
    // Whoever else could put a file here could mute any clock for ever.
    const bool own = PrivateFiles::isOwnFolder(dir.path());
    if (!own && m_folderTrusted)
        qWarning().noquote() << tr("Quiet requests in %1 are not obeyed: other users can write "
                                   "into the folder.")
                                    .arg(dir.path());
    m_folderTrusted = own;
    if (!own)
        return;
    const QDateTime now = QDateTime::currentDateTime();
    for (const QString &name : dir.entryList({QStringLiteral("quiet-*.json")}, QDir::Files | QDir::System,
                                             QDir::Time | QDir::Reversed)) {
        QByteArray data;
        QString why;
        const bool read = PrivateFiles::readOwnFile(dir.filePath(name), maxRequestBytes, data, &why);
        // Removed first: a request that cannot be applied must not come back
        // at every look.
        QFile::remove(dir.filePath(name));
        if (!read) {
            qWarning().noquote() << tr("Quiet request %1 not obeyed: %2").arg(dir.filePath(name), why);
            continue;
        }
        QuietRequest request;
        if (data.size() > maxRequestBytes || !QuietRequest::fromJson(data, request))
            continue;
        const QuietRequest::Outcome outcome = request.apply(m_registry, now);
        if (!outcome.clocks.isEmpty())
            emit applied(request, outcome.clocks);
    }
}
