#pragma once

#include <QMetaType>
#include <QString>

// The kind of failure of one exchange with a clock.
enum Error : int {
    NoError = -1,
    AuthorizationError = 1,
    ConnectionError = 2,
    NoResponse = 3,
    HostNotFound = 4,
    IncorrectData = 5,
    PageNotFound = 6,
};
Q_DECLARE_METATYPE(Error)

namespace ErrorText {

// The user text of an error kind: 1, 3, 4 and 5 have their own; every other
// value (2, 6, -1, anything unknown) reads "Unable connect to device".
QString kindText(int error);
// "An error occured:" + " " + the kind's text, as every failed operation shows
// it; a reason, when given, follows in brackets.
QString operationFailed(int error, const QString &reason = QString());

} // namespace ErrorText
