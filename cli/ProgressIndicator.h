#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QTextStream;

// A one-line progress display on standard error for operations that take
// longer than a second. It shows nothing when standard error is not a
// terminal, so scripts and logs never see carriage returns.
class ProgressIndicator : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultDelayMs = 1000;

    ProgressIndicator(QTextStream &err, bool enabled, QObject *parent = nullptr);
    ~ProgressIndicator() override;

    // Operations shorter than this show nothing.
    void setDelayMs(int ms) { m_delay.setInterval(ms); }

    void start(const QString &label);
    void setProgress(double value);
    // Clears the line when it was shown.
    void finish();

    bool isShown() const { return m_shown; }

    // "label... 40%"; value is clamped to 0..1.
    static QString progressLine(const QString &label, double value);
    static bool stderrIsTerminal();

private slots:
    void show();

private:
    void draw();

    QTextStream &m_err;
    bool m_enabled;
    bool m_running = false;
    bool m_shown = false;
    QString m_label;
    double m_value = 0.0;
    QTimer m_delay;
};
