#include "tools/clocksim/ClockFaults.h"

#include <QJsonArray>
#include <QRandomGenerator>

namespace {

constexpr int kMaxDelayMs = 600000;
constexpr int kMaxPieces = 1000;
constexpr int kLowestStatus = 100;
constexpr int kHighestStatus = 999;

bool readBool(const QJsonValue& value, const QString& key, bool* out, QString* error)
{
    if (!value.isBool()) {
        *error = QStringLiteral("faults.%1: expected true or false").arg(key);
        return false;
    }
    *out = value.toBool();
    return true;
}

bool readInt(const QJsonValue& value, const QString& key, int low, int high, int* out, QString* error)
{
    const double number = value.toDouble(-1.0);
    if (!value.isDouble() || number != static_cast<int>(number) || number < low || number > high) {
        *error = QStringLiteral("faults.%1: expected a whole number from %2 to %3").arg(key).arg(low).arg(high);
        return false;
    }
    *out = static_cast<int>(number);
    return true;
}

bool readBytes(const QJsonValue& value, const QString& key, QByteArray* out, QString* error)
{
    const QString text = value.toString();
    for (QChar c : text) {
        if (c.unicode() > 0xFF) {
            *error = QStringLiteral("faults.%1: characters stand for bytes and must be below U+0100").arg(key);
            return false;
        }
    }
    if (!value.isString()) {
        *error = QStringLiteral("faults.%1: expected a text").arg(key);
        return false;
    }
    *out = text.toLatin1();
    return true;
}

} // namespace

bool ClockFaults::appliesTo(const QString& path) const
{
    return paths.isEmpty() || paths.contains(path);
}

int ClockFaults::drawDelayMs() const
{
    return delayMaxMs > delayMs ? QRandomGenerator::global()->bounded(delayMs, delayMaxMs + 1) : delayMs;
}

QJsonObject ClockFaults::toJson() const
{
    QJsonObject object;
    object.insert(QStringLiteral("silent"), silent);
    object.insert(QStringLiteral("refuse"), refuse);
    object.insert(QStringLiteral("status"), status);
    object.insert(QStringLiteral("wrongCredentials"), wrongCredentials);
    object.insert(QStringLiteral("ntpWord"), ntpWord);
    if (delayMaxMs > delayMs)
        object.insert(QStringLiteral("delayMs"), QJsonArray{delayMs, delayMaxMs});
    else
        object.insert(QStringLiteral("delayMs"), delayMs);
    object.insert(QStringLiteral("trickleGapMs"), trickleGapMs);
    object.insert(QStringLiteral("tricklePieces"), tricklePieces);
    object.insert(QStringLiteral("dropOnNetworkWrite"), dropOnNetworkWrite);
    object.insert(QStringLiteral("moveDelayMs"), moveDelayMs);
    object.insert(QStringLiteral("noDiscovery"), noDiscovery);
    object.insert(QStringLiteral("stepBackOnRefusal"), stepBackOnRefusal);
    object.insert(QStringLiteral("endless"), endless);
    object.insert(QStringLiteral("ignoreConfigWrites"), ignoreConfigWrites);
    if (hasReplyBody)
        object.insert(QStringLiteral("replyBody"), QString::fromLatin1(replyBody));
    if (hasRawReply)
        object.insert(QStringLiteral("rawReply"), QString::fromLatin1(rawReply));
    object.insert(QStringLiteral("discoveryReplyHex"), QString::fromLatin1(discoveryReply.toHex()));
    object.insert(QStringLiteral("paths"), QJsonArray::fromStringList(paths));
    return object;
}

bool ClockFaults::fromJson(const QJsonObject& object, ClockFaults* faults, QString* error)
{
    ClockFaults result;
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString key = it.key();
        const QJsonValue value = it.value();
        bool ok = true;
        if (key == QLatin1String("silent"))
            ok = readBool(value, key, &result.silent, error);
        else if (key == QLatin1String("refuse"))
            ok = readBool(value, key, &result.refuse, error);
        else if (key == QLatin1String("wrongCredentials"))
            ok = readBool(value, key, &result.wrongCredentials, error);
        else if (key == QLatin1String("dropOnNetworkWrite"))
            ok = readBool(value, key, &result.dropOnNetworkWrite, error);
        else if (key == QLatin1String("noDiscovery"))
            ok = readBool(value, key, &result.noDiscovery, error);
        else if (key == QLatin1String("stepBackOnRefusal"))
            ok = readBool(value, key, &result.stepBackOnRefusal, error);
        else if (key == QLatin1String("endless"))
            ok = readBool(value, key, &result.endless, error);
        else if (key == QLatin1String("ignoreConfigWrites"))
            ok = readBool(value, key, &result.ignoreConfigWrites, error);
        else if (key == QLatin1String("status")) {
            ok = readInt(value, key, 0, kHighestStatus, &result.status, error);
            if (ok && result.status != 0 && result.status < kLowestStatus) {
                *error = QStringLiteral("faults.status: expected 0 or an HTTP status from %1 to %2")
                             .arg(kLowestStatus)
                             .arg(kHighestStatus);
                ok = false;
            }
        } else if (key == QLatin1String("delayMs") && value.isArray()) {
            // A spread: slow clocks are not all equally slow.
            const QJsonArray spread = value.toArray();
            ok = spread.size() == 2 && readInt(spread.at(0), key, 0, kMaxDelayMs, &result.delayMs, error)
                 && readInt(spread.at(1), key, result.delayMs, kMaxDelayMs, &result.delayMaxMs, error);
            if (!ok)
                *error = QStringLiteral("faults.delayMs: expected a whole number or [low, high] from 0 to %1")
                             .arg(kMaxDelayMs);
        } else if (key == QLatin1String("delayMs"))
            ok = readInt(value, key, 0, kMaxDelayMs, &result.delayMs, error);
        else if (key == QLatin1String("trickleGapMs"))
            ok = readInt(value, key, 0, kMaxDelayMs, &result.trickleGapMs, error);
        else if (key == QLatin1String("tricklePieces"))
            ok = readInt(value, key, 2, kMaxPieces, &result.tricklePieces, error);
        else if (key == QLatin1String("moveDelayMs"))
            ok = readInt(value, key, 0, kMaxDelayMs, &result.moveDelayMs, error);
        else if (key == QLatin1String("ntpWord")) {
            if (!value.isString() || value.toString().contains(QLatin1Char('&'))) {
                *error = QStringLiteral("faults.ntpWord: expected a text without \"&\"");
                ok = false;
            } else {
                result.ntpWord = value.toString();
            }
        } else if (key == QLatin1String("replyBody")) {
            ok = readBytes(value, key, &result.replyBody, error);
            result.hasReplyBody = true;
        } else if (key == QLatin1String("rawReply")) {
            ok = readBytes(value, key, &result.rawReply, error);
            result.hasRawReply = true;
        } else if (key == QLatin1String("discoveryReplyHex")) {
            const QByteArray hex = value.toString().toLatin1();
            const auto digits = QByteArray::fromHex(hex);
            if (!value.isString() || hex.size() % 2 != 0 || digits.toHex() != hex.toLower()) {
                *error = QStringLiteral("faults.discoveryReplyHex: expected pairs of hexadecimal digits");
                ok = false;
            } else {
                result.discoveryReply = digits;
            }
        } else if (key == QLatin1String("paths")) {
            const QJsonArray array = value.toArray();
            if (!value.isArray()) {
                *error = QStringLiteral("faults.paths: expected a list of paths");
                ok = false;
            }
            for (const QJsonValue& path : array) {
                if (!path.isString() || !path.toString().startsWith(QLatin1Char('/'))) {
                    *error = QStringLiteral("faults.paths: every entry must be a path beginning with \"/\"");
                    ok = false;
                    break;
                }
                result.paths << path.toString();
            }
        } else {
            *error = QStringLiteral("faults: unknown field \"%1\"").arg(key);
            ok = false;
        }
        if (!ok)
            return false;
    }
    *faults = result;
    return true;
}
