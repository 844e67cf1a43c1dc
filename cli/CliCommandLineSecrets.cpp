#include "cli/CliCommandLineSecrets.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <termios.h>
#include <unistd.h>

namespace CliCommandLineSecrets {

namespace {

const char *const secretOptions[] = {"password", "old", "new"};
// A password is a line, not a file: more than this is the wrong file.
constexpr int maxLineBytes = 4096;

QString firstLine(QByteArray bytes)
{
    const int end = bytes.indexOf('\n');
    if (end >= 0)
        bytes.truncate(end);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    return QString::fromUtf8(bytes);
}

bool readFile(const QString &path, QString &value, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("\"%1\" cannot be read: %2").arg(path, file.errorString());
        return false;
    }
    value = firstLine(file.read(maxLineBytes));
    return true;
}

// One line of standard input; on a terminal asked for by prompt, not echoed.
bool readInput(const char *prompt, QString &value, QString &error)
{
    termios saved {};
    const bool terminal = ::isatty(STDIN_FILENO) && ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (terminal) {
        std::fprintf(stderr, "%s: ", prompt);
        std::fflush(stderr);
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    // Byte by byte: what follows the line stays for the next password.
    QByteArray line;
    char c = 0;
    ssize_t got = 0;
    while (line.size() <= maxLineBytes && ((got = ::read(STDIN_FILENO, &c, 1)) == 1 || (got < 0 && errno == EINTR))) {
        if (got == 1 && c == '\n')
            break;
        if (got == 1)
            line += c;
    }
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::fputc('\n', stderr);
    }
    if (got != 1 && line.isEmpty()) {
        error = QStringLiteral("standard input holds no line for the %1").arg(QLatin1String(prompt));
        return false;
    }
    value = firstLine(line);
    return true;
}

} // namespace

bool isFileForm(const QString &name, QString *base)
{
    for (const char *option : secretOptions) {
        if (name == QLatin1String(option) + QLatin1String("-file")) {
            if (base)
                *base = QLatin1String(option);
            return true;
        }
    }
    return false;
}

bool resolve(QHash<QString, QString> &options, bool takesPassword, QString &error)
{
    for (const char *option : secretOptions) {
        const QString name = QLatin1String(option);
        const QString fileForm = name + QLatin1String("-file");
        if (options.contains(fileForm)) {
            if (options.contains(name)) {
                error = QStringLiteral("--%1 and --%2 exclude each other").arg(name, fileForm);
                return false;
            }
            QString value;
            if (!readFile(options.take(fileForm), value, error)) {
                error = QStringLiteral("--%1: ").arg(fileForm) + error;
                return false;
            }
            options.insert(name, value);
        } else if (options.value(name) == QLatin1String("-")) {
            QString value;
            if (!readInput(option, value, error)) {
                error = QStringLiteral("--%1 -: ").arg(name) + error;
                return false;
            }
            options.insert(name, value);
        }
    }
    if (takesPassword && !options.contains(QStringLiteral("password")) && qEnvironmentVariableIsSet("ZENTICK_PASSWORD"))
        options.insert(QStringLiteral("password"), qEnvironmentVariable("ZENTICK_PASSWORD"));
    return true;
}

} // namespace CliCommandLineSecrets
