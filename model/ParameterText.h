#pragma once

#include <QString>

class ClockConfig;
class QRegularExpression;

// Text values go to a clock unencoded in "&code=value" bodies (the clocks
// take nothing else), so a value holding "&", "=" or a control character
// would end its parameter early or smuggle in another. Such text is refused
// rather than sent: configuration fields, a clock's name and its passwords.
namespace ParameterText {

// Any text without those characters; a validator of typed text can use it.
const QRegularExpression &safePattern();
bool isSafe(const QString &text);
// The password command puts the old and the new password between "%21"
// separators, sent as they are: a password holding that text would end its
// field early, so it is refused like "&" and "=", with the same words.
bool isSafePassword(const QString &text);

// The first field that would go out unsafe, named as ClockConfig names it
// ("Server1" .. "Server5", "MasterIP"); empty when all are safe. MasterIP
// counts only while Synchronization is on: otherwise it is not sent.
QString firstUnsafeField(const ClockConfig &config);

// Why a configuration with that field was not sent.
QString refusalText(const QString &field);
// Why a name or a password was not sent to the clock.
QString nameRefusalText();
QString passwordRefusalText();

} // namespace ParameterText
