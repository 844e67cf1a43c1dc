#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Runs the real zentick-cli executable with its settings and data folders in
// a temporary folder of its own, so every test starts from an empty device
// list and never touches a real user's files.
class CliProcess
{
public:
    static constexpr int runTimeoutMs = 120000;

    struct Result
    {
        int exitCode = -1;
        bool crashed = false;
        QByteArray out;
        QByteArray err;

        QJsonDocument json() const { return QJsonDocument::fromJson(out); }
    };

    CliProcess();

    bool isValid() const { return m_home.isValid(); }
    QString homePath() const { return m_home.path(); }
    // The state file the tool reads and writes, and its bytes (empty if none).
    QString stateFilePath() const;
    QByteArray stateBytes() const;
    // A path inside the temporary folder.
    QString filePath(const QString &name) const;

    static QString executable();

    Result run(const QStringList &arguments) const;
    // With input on standard input, more environment variables and, when
    // given, standard output going to that file instead of a pipe.
    struct Io
    {
        QByteArray input;
        QStringList environment; // NAME=VALUE
        QString outputFile;
    };
    Result run(const QStringList &arguments, const Io &io) const;
    // Starts the tool without waiting (monitor); the caller owns process.
    void start(QProcess &process, const QStringList &arguments) const;

private:
    QProcessEnvironment environment() const;

    QTemporaryDir m_home;
};
