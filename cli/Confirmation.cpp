#include "cli/Confirmation.h"

#include "cli/CliSession.h"

#include <QTextStream>

#include <cstdio>

#include <unistd.h>

namespace Confirmation {

bool confirmed(CliSession &session, const QString &question)
{
    if (session.invocation().hasOption(QStringLiteral("yes")))
        return true;
    QTextStream &err = session.output().errorStream();
    err << question;
    err.flush();
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed().toLower();
    // A typed answer ends its line; a piped one does not.
    if (!::isatty(STDIN_FILENO)) {
        err << QLatin1Char('\n');
        err.flush();
    }
    return answer == QLatin1String("y") || answer == QLatin1String("yes");
}

} // namespace Confirmation
