#include "tests/cli/CliProcess.h"

#include "tests/support/TestFiles.h"

#include <QDir>

CliProcess::CliProcess()
{
    if (m_home.isValid()) {
        QDir(m_home.path()).mkpath(QStringLiteral("config"));
        QDir(m_home.path()).mkpath(QStringLiteral("data"));
    }
}

QString CliProcess::stateFilePath() const
{
    return m_home.path() + QStringLiteral("/data/QLX Devices/Zentick/settings.xml");
}

QByteArray CliProcess::stateBytes() const
{
    return TestFiles::read(stateFilePath());
}

QString CliProcess::filePath(const QString &name) const
{
    return m_home.path() + QLatin1Char('/') + name;
}

QString CliProcess::executable()
{
    return qEnvironmentVariable("ZENTICK_BINARY_DIR") + QStringLiteral("/bin/zentick-cli");
}

QProcessEnvironment CliProcess::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("HOME"), m_home.path());
    return env;
}

void CliProcess::start(QProcess &process, const QStringList &arguments) const
{
    process.setProcessEnvironment(environment());
    process.setWorkingDirectory(m_home.path());
    process.start(executable(), arguments);
}

CliProcess::Result CliProcess::run(const QStringList &arguments) const
{
    return run(arguments, Io());
}

CliProcess::Result CliProcess::run(const QStringList &arguments, const Io &io) const
{
    QProcess process;
    QProcessEnvironment env = environment();
    for (const QString &variable : io.environment)
        env.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(m_home.path());
    if (!io.outputFile.isEmpty())
        process.setStandardOutputFile(io.outputFile);
    process.start(executable(), arguments);
    process.write(io.input);
    process.closeWriteChannel();
    Result result;
    if (!process.waitForStarted() || !process.waitForFinished(runTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        result.crashed = true;
    }
    result.crashed = result.crashed || process.exitStatus() != QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}
