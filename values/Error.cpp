#include "values/Error.h"

#include <QCoreApplication>

namespace ErrorText {

QString kindText(int error)
{
    switch (error) {
    case AuthorizationError:
        return QCoreApplication::translate("Error", "Authorization error");
    case NoResponse:
        return QCoreApplication::translate("Error", "No response");
    case HostNotFound:
        return QCoreApplication::translate("Error", "Host not found");
    case IncorrectData:
        return QCoreApplication::translate("Error", "Incorrect data sent or function is unsupported");
    default:
        return QCoreApplication::translate("Error", "Unable connect to device");
    }
}

QString operationFailed(int error, const QString &reason)
{
    const QString text = QCoreApplication::translate("Error", "An error occured:") + QLatin1Char(' ') + kindText(error);
    return reason.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, reason);
}

} // namespace ErrorText
