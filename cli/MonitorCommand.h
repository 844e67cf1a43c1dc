#pragma once

#include <QObject>

class CliSession;

// zentick-cli monitor: reads the command line into the monitor's options
// and runs the monitor until SIGINT or SIGTERM arrives.
class MonitorCommand : public QObject
{
    Q_OBJECT

public:
    explicit MonitorCommand(CliSession &session, QObject *parent = nullptr);

    // Runs until a stop signal; returns the exit status.
    int run();

private:
    CliSession &m_session;
};
