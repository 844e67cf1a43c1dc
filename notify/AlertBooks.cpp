#include "notify/AlertBooks.h"

#include "health/ClockHealth.h"
#include "notify/MailSender.h"
#include "notify/NotificationSettings.h"

namespace {

constexpr int secondsPerHour = 3600;
constexpr std::array<int, 5> hoursOfChoice{0, 1, 2, 4, 8};
static_assert(ntpStatusCount == 7, "a book keeps one entry per NTP state");

} // namespace

int AlertBooks::resendHours(int resendChoice)
{
    if (resendChoice < 0 || resendChoice >= int(hoursOfChoice.size()))
        return 0;
    return hoursOfChoice[std::size_t(resendChoice)];
}

const AlertBooks::Kind *AlertBooks::current(quint64 id, int kind, const ClockHealth &health) const
{
    const auto found = m_books.constFind(id);
    if (found == m_books.constEnd() || kind < 0 || kind >= ntpStatusCount)
        return nullptr;
    const Kind &entry = found->kinds[std::size_t(kind)];
    return entry.episode == health.episode(kind) ? &entry : nullptr;
}

void AlertBooks::reopenAfterResend(quint64 id, const ClockHealth &health, const NotificationSettings &settings,
                                   const QDateTime &now)
{
    const auto found = m_books.find(id);
    const int hours = resendHours(settings.resendMailTime);
    if (found == m_books.end() || hours == 0 || found->lastMail.addSecs(qint64(hours) * secondsPerHour) >= now)
        return;
    bool anyDelivered = false;
    for (int kind = 0; kind < ntpStatusCount; ++kind) {
        const Kind *entry = current(id, kind, health);
        anyDelivered = anyDelivered || (entry && entry->delivered);
    }
    if (!anyDelivered)
        return;
    for (Kind &entry : found->kinds) {
        entry.attempts = 0;
        entry.delivered = false;
    }
}

int AlertBooks::mailable(quint64 id, const ClockHealth &health, bool quiet, const NotificationSettings &settings) const
{
    const int kind = health.firstDueAlert();
    if (kind < 0 || kind >= ntpStatusCount)
        return -1;
    if (attempts(id, kind, health) >= maxMails || isDelivered(id, kind, health))
        return -1;
    if (quiet || !MailSender::alertKindEnabled(settings, kind))
        return -1;
    return kind;
}

void AlertBooks::sent(quint64 id, int kind, const ClockHealth &health)
{
    if (kind < 0 || kind >= ntpStatusCount)
        return;
    Kind &entry = m_books[id].kinds[std::size_t(kind)];
    if (entry.episode != health.episode(kind))
        entry = {health.episode(kind), 0, false};
    ++entry.attempts;
}

void AlertBooks::delivered(quint64 id, int kind, const QDateTime &now)
{
    Book &book = m_books[id];
    if (kind >= 0 && kind < ntpStatusCount)
        book.kinds[std::size_t(kind)].delivered = true;
    book.lastMail = now;
}

int AlertBooks::attempts(quint64 id, int kind, const ClockHealth &health) const
{
    const Kind *entry = current(id, kind, health);
    return entry ? entry->attempts : 0;
}

bool AlertBooks::isDelivered(quint64 id, int kind, const ClockHealth &health) const
{
    const Kind *entry = current(id, kind, health);
    return entry && entry->delivered;
}
