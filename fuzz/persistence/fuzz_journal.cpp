#include "persistence/EventJournal.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

ClockEvent probeEvent()
{
    ClockEvent event;
    event.time = QDateTime(QDate(2026, 12, 8), QTime(1, 23, 44, 950), Qt::UTC);
    event.ip = QStringLiteral("10.0.0.1");
    event.name = QStringLiteral("Hall \"A\"");
    event.kind = ClockEvent::Kind::Muted;
    event.detail = QStringLiteral("2026-12-08T12:25:02+09:00");
    return event;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));

    // At most one event per line, damage counted on lines that exist, and
    // every event read writes back as it reads.
    int damaged = 0;
    const QList<ClockEvent> events = EventJournal::parse(bytes, {}, &damaged);
    const int lines = bytes.count('\n') + 1;
    if (damaged < 0 || damaged > lines || events.size() > lines)
        std::abort();
    for (const ClockEvent &event : events) {
        ClockEvent again;
        if (!ClockEvent::fromJson(event.toJson(), again) || again.toJson() != event.toJson())
            std::abort();
    }

    // Whatever damage comes first, a whole line after it is still read.
    static const QByteArray probe = probeEvent().toJson();
    const QList<ClockEvent> after = EventJournal::parse(bytes + '\n' + probe + '\n', {}, nullptr);
    if (after.isEmpty() || after.last().toJson() != probe)
        std::abort();

    // A filter only narrows.
    EventJournal::Filter filter;
    filter.ip = QStringLiteral("10.0.0.1");
    for (const ClockEvent &event : EventJournal::parse(bytes, filter, nullptr)) {
        if (event.ip != filter.ip)
            std::abort();
    }
    return 0;
}
