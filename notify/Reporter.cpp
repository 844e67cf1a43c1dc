#include "notify/Reporter.h"

#include "core/AppSettings.h"
#include "model/ClockRegistry.h"
#include "notify/XlsxWritter.h"

#include <QTimer>

#include <array>

namespace {

// "5 minutes" .. "4 hours"
constexpr std::array<int, 7> intervalChoiceSeconds{300, 600, 900, 1800, 3600, 7200, 14400};
constexpr int millisecondsPerSecond = 1000;

} // namespace

Reporter::Reporter(ClockRegistry &registry, QObject *parent)
    : QObject(parent)
    , m_registry(registry)
    , m_timer(new QTimer(this))
    , m_writer(new XlsxWritter(this))
    , m_now([] { return QDateTime::currentDateTime(); })
{
    connect(m_timer, &QTimer::timeout, this, &Reporter::tick);
    connect(m_writer, &XlsxWritter::writeFinished, this, &Reporter::onWriteFinished);
}

Reporter::~Reporter() = default;

int Reporter::intervalSeconds(int interval)
{
    if (interval < 0 || interval >= int(intervalChoiceSeconds.size()))
        return 0;
    return intervalChoiceSeconds[std::size_t(interval)];
}

void Reporter::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled) {
        m_timer->stop();
        return;
    }
    tick();
    m_timer->start();
}

void Reporter::tick()
{
    const QDateTime now = m_now();
    // Fire again at the start of the next minute.
    m_timer->setInterval((secondsPerMinute - now.time().second()) * millisecondsPerSecond);

    const ReportSettings &settings = AppSettings::reportSettings();
    const QDateTime last = settings.lastSaveTime;
    if (last.isValid() && now.secsTo(last.addSecs(intervalSeconds(settings.interval))) >= 1)
        return;
    // The previous run is still being written; the next tick tries again.
    if (m_writer->isWriting())
        return;

    m_runTime = now;
    m_writer->startWrite(
        XlsxWritter::makeRun(settings.filepath, m_registry.clocks(), settings.valueType, now));
}

void Reporter::onWriteFinished(bool ok)
{
    if (ok)
        AppSettings::saveReportLastSaveTime(m_runTime);
    emit reportWritten(ok);
}
