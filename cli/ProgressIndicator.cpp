#include "cli/ProgressIndicator.h"

#include <QTextStream>

#include <cmath>
#include <unistd.h>

namespace {

// Back to the start of the line and erase it.
const char clearLine[] = "\r\x1b[K";

} // namespace

ProgressIndicator::ProgressIndicator(QTextStream &err, bool enabled, QObject *parent)
    : QObject(parent)
    , m_err(err)
    , m_enabled(enabled)
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(DefaultDelayMs);
    connect(&m_delay, &QTimer::timeout, this, &ProgressIndicator::show);
}

ProgressIndicator::~ProgressIndicator()
{
    finish();
}

void ProgressIndicator::start(const QString &label)
{
    finish();
    m_label = label;
    m_value = 0.0;
    m_running = true;
    if (m_enabled)
        m_delay.start();
}

void ProgressIndicator::setProgress(double value)
{
    m_value = value;
    if (m_shown)
        draw();
}

void ProgressIndicator::finish()
{
    m_delay.stop();
    m_running = false;
    if (m_shown) {
        m_err << clearLine;
        m_err.flush();
        m_shown = false;
    }
}

void ProgressIndicator::show()
{
    if (!m_running)
        return;
    m_shown = true;
    draw();
}

void ProgressIndicator::draw()
{
    m_err << clearLine << progressLine(m_label, m_value);
    m_err.flush();
}

QString ProgressIndicator::progressLine(const QString &label, double value)
{
    const double clamped = std::isnan(value) ? 0.0 : qBound(0.0, value, 1.0);
    return QStringLiteral("%1... %2%").arg(label).arg(int(std::lround(clamped * 100.0)));
}

bool ProgressIndicator::stderrIsTerminal()
{
    return isatty(STDERR_FILENO) == 1;
}
