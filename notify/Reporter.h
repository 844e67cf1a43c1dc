#pragma once

#include <QDateTime>
#include <QObject>

#include <functional>

class ClockRegistry;
class QTimer;
class XlsxWritter;

// Keeps the schedule of the value report: a tick at every full minute
// appends a row per clock when the report interval has passed since the last
// successful run. The values are taken at the tick; the workbook is written
// on a worker thread, one write at a time, and the last save time advances
// only when the write succeeded.
class Reporter : public QObject
{
    Q_OBJECT

public:
    static constexpr int secondsPerMinute = 60;

    // Reports the clocks of this list.
    explicit Reporter(ClockRegistry &registry, QObject *parent = nullptr);
    ~Reporter() override;

    // false stops the timer; true runs a tick at once and starts the timer.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    // Seconds of an interval choice; 0 for an unknown index.
    static int intervalSeconds(int interval);

    XlsxWritter *writer() const { return m_writer; }
    // For tests: where "now" comes from.
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }

public slots:
    void tick();

signals:
    // A report run ended; ok when the workbook was saved.
    void reportWritten(bool ok);

private:
    void onWriteFinished(bool ok);

    ClockRegistry &m_registry;
    QTimer *m_timer;
    XlsxWritter *m_writer;
    bool m_enabled = false;
    QDateTime m_runTime;
    std::function<QDateTime()> m_now;
};
