#include "cli/CliOutput.h"

#include "values/Error.h"

#include <QJsonDocument>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

CliOutput::CliOutput(bool json)
    : m_json(json)
    , m_outIsProcess(true)
{
    m_outFile.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    m_errFile.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    m_out.setDevice(&m_outFile);
    m_err.setDevice(&m_errFile);
    m_out.setCodec("UTF-8");
    m_err.setCodec("UTF-8");
}

CliOutput::CliOutput(QIODevice *out, QIODevice *err, bool json)
    : m_out(out)
    , m_err(err)
    , m_json(json)
{
    m_out.setCodec("UTF-8");
    m_err.setCodec("UTF-8");
}

QString CliOutput::printable(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        const ushort u = c.unicode();
        const bool bidiControl = (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
        if ((c.category() == QChar::Other_Control && c != QLatin1Char('\n')) || bidiControl)
            c = QLatin1Char('?');
    }
    return result;
}

void CliOutput::text(const QString &text)
{
    if (m_json)
        return;
    m_out << printable(text);
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        m_out << '\n';
    m_out.flush();
}

void CliOutput::document(const QJsonObject &object)
{
    if (!m_json)
        return;
    m_out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
    m_out.flush();
}

void CliOutput::jsonLine(const QJsonObject &object)
{
    m_out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) << '\n';
    m_out.flush();
}

void CliOutput::line(const QString &text)
{
    m_out << printable(text) << '\n';
    m_out.flush();
}

bool CliOutput::data(const QByteArray &bytes, bool privateData)
{
    const bool terminal = m_outIsProcess && ::isatty(STDOUT_FILENO);
    struct stat status {};
    if (privateData && m_outIsProcess && ::fstat(STDOUT_FILENO, &status) == 0 && S_ISREG(status.st_mode)
        && (status.st_mode & 077) != 0 && ::fchmod(STDOUT_FILENO, S_IRUSR | S_IWUSR) != 0) {
        message(QStringLiteral("Not written: standard output is a file others can read, and it could not be made "
                               "private (%1). Give -o FILE instead.")
                    .arg(qt_error_string(errno)));
        return false;
    }
    if (terminal) {
        m_out << printable(QString::fromUtf8(bytes));
        m_out.flush();
        return true;
    }
    m_out.flush();
    if (m_out.device()->write(bytes) != bytes.size()) {
        message(QStringLiteral("Standard output could not be written: %1").arg(m_out.device()->errorString()));
        return false;
    }
    return true;
}

void CliOutput::message(const QString &text)
{
    m_err << printable(text);
    if (!text.endsWith(QLatin1Char('\n')))
        m_err << '\n';
    m_err.flush();
}

int CliOutput::operationFailed(int error, const QString &reason)
{
    message(ErrorText::operationFailed(error, reason));
    return ExitFailed;
}

int CliOutput::failed(const QString &text)
{
    message(text);
    return ExitFailed;
}
