#include "model/StatusReply.h"

#include "model/ReplyParser.h"

#include <cmath>
#include <cstring>

namespace {

// Status reply fields (0-based); fields 0 and 1 are not used.
constexpr int statusMinFields = 3;
constexpr int fieldTemperature = 2;
constexpr int fieldUnit = 3;
constexpr int fieldBrightness = 4;
constexpr int fieldSignal = 5;
constexpr int fieldErrorCode = 6;
constexpr int fieldNtp = 7;
constexpr int fieldSyncTime = 8;
constexpr int fieldRemote = 9;
constexpr int statusFieldCount = fieldRemote + 1;
// A sync-time field shorter than this carries no time.
constexpr int syncTimeMinLength = 4;
// "date - time": the time starts this far after the "-".
constexpr int syncTimeOffset = 2;

const char *const signalLetters = "NVAX";

// The NTP words other than "OK" are read in any letter case.
bool isNtpWordLength(int size)
{
    return size == int(sizeof "timeout") - 1 || size == int(sizeof "other") - 1 || size == int(sizeof "-") - 1;
}

// Copies the piece only when the text differs, a null piece giving a null text.
void assignChanged(QString &target, const QStringRef &value)
{
    if (target.isNull() != value.isNull() || target != value)
        target = value.toString();
}

} // namespace

bool StatusReply::read(const QString &reply, ClockStatus &status, int &word)
{
    word = -1;
    if (reply.isEmpty())
        return false;
    // Pieces of the reply, no copies: the poller reads one reply per clock
    // every few seconds, and most fields say what they said the last time.
    QStringRef fields[statusFieldCount];
    const int count = splitReplyFieldRefs(reply, fields, statusFieldCount);
    if (count < statusMinFields)
        return false;
    // A field the reply lacks stays a null piece, read as a null text.

    bool ok = false;
    const float temperature = fields[fieldTemperature].toFloat(&ok);
    // "nan" and "inf" parse as floats but are no reading.
    status.temperature = ok && std::isfinite(temperature) ? temperature : noTemperatureReading;

    const QStringRef &unit = fields[fieldUnit];
    const int semicolon = unit.indexOf(QLatin1Char(';'));
    assignChanged(status.temperatureUnit, semicolon < 0 ? unit : unit.mid(semicolon + 1));

    status.brightness = fields[fieldBrightness].toInt();

    if (count > fieldSignal) {
        const QStringRef &letter = fields[fieldSignal];
        if (letter.size() == 1) {
            const char *found = std::strchr(signalLetters, letter.at(0).toLatin1());
            if (found && *found)
                status.signalStrength = static_cast<int>(found - signalLetters);
        }
    }

    if (count > fieldErrorCode)
        assignChanged(status.errorCode, fields[fieldErrorCode]);

    if (count > fieldNtp) {
        const QStringRef &ntp = fields[fieldNtp];
        const int blank = ntp.indexOf(QLatin1Char(' '));
        assignChanged(status.lastNtpServer, blank < 0 ? ntp : ntp.left(blank));
        const QStringRef text = blank < 0 ? ntp : ntp.mid(blank + 1);
        if (text == QLatin1String("OK")) {
            word = NtpSynchronized;
        } else if (isNtpWordLength(text.size())) {
            // Lower-cased only when it can match: a letter that lower-cases
            // to more than one character never gives one of these words.
            const QString lower = text.toString().toLower();
            if (lower == QLatin1String("timeout"))
                word = NtpTimeout;
            else if (lower == QLatin1String("other"))
                word = NtpOther;
            else if (lower == QLatin1String("-"))
                word = NtpDisabled;
        }
        if (word >= 0)
            status.NtpSynchronization = word;
    }

    if (count > fieldSyncTime) {
        const QStringRef &sync = fields[fieldSyncTime];
        if (sync.size() < syncTimeMinLength) {
            if (status.lastSyncTime != QLatin1String("-"))
                status.lastSyncTime = QStringLiteral("-");
        } else {
            assignChanged(status.lastSyncTime, sync.mid(sync.indexOf(QLatin1Char('-')) + syncTimeOffset));
        }
    }

    if (count > fieldRemote)
        status.remoteMode = fields[fieldRemote].toInt() != 0;

    return true;
}
