#pragma once

#include <QFile>
#include <QJsonObject>
#include <QString>
#include <QTextStream>

// Exit status of zentick-cli.
enum CliExit : int {
    ExitSuccess = 0,
    ExitFailed = 1,
    ExitUsage = 2,
};

// Standard output and standard error of one run. With --json, standard output
// carries only JSON; messages for people always go to standard error.
class CliOutput
{
public:
    // Writes to the process's stdout and stderr.
    explicit CliOutput(bool json);
    // Writes to the given devices (tests).
    CliOutput(QIODevice *out, QIODevice *err, bool json);

    bool json() const { return m_json; }

    // Human text on standard output, nothing in JSON mode.
    void text(const QString &text);
    // One indented JSON document on standard output, JSON mode only.
    void document(const QJsonObject &object);
    // One compact JSON object on one line, flushed at once (monitor).
    void jsonLine(const QJsonObject &object);
    // One human line on standard output, flushed at once (monitor).
    void line(const QString &text);

    // Data for a file or a program (an address plan) on standard output, as
    // it is: filtered as text() filters only when standard output is a
    // terminal. Private data (passwords) makes a regular file behind standard
    // output readable by its owner only, and is refused (false, the reason
    // said) when that cannot be done.
    bool data(const QByteArray &bytes, bool privateData);

    // A line on standard error.
    void message(const QString &text);
    // "An error occured: ", the kind's text and the reason, if any, on standard
    // error; returns ExitFailed.
    int operationFailed(int error, const QString &reason = QString());
    // The text on standard error; returns ExitFailed.
    int failed(const QString &text);

    QTextStream &errorStream() { return m_err; }

    // Text for a terminal: control characters (escape sequences, carriage
    // returns, tabs) and bidirectional overrides become "?", so a clock name
    // taken from the network cannot move the cursor, recolour the terminal or
    // disguise the lines around it. Line feeds stay.
    static QString printable(const QString &text);

private:
    QFile m_outFile;
    QFile m_errFile;
    QTextStream m_out;
    QTextStream m_err;
    bool m_json;
    bool m_outIsProcess = false;
};
