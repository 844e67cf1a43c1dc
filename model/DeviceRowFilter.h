#pragma once

#include <QString>

class DevClock;

// Which clocks of a long device list to show: those whose name or address
// contains the typed text (any letter case), and with "problems only" those
// not known to be synchronised.
class DeviceRowFilter
{
public:
    void setText(const QString &text) { m_text = text.trimmed(); }
    void setProblemsOnly(bool on) { m_problemsOnly = on; }
    bool isActive() const { return !m_text.isEmpty() || m_problemsOnly; }

    bool accepts(const DevClock &clock) const;

private:
    QString m_text;
    bool m_problemsOnly = false;
};
