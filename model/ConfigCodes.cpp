#include "model/ConfigCodes.h"

#include "model/ClockConfig.h"
#include "model/ReplyParser.h"

#include <QMap>

#include <cmath>
#include <limits>

namespace {

const QString timeFormat = QStringLiteral("hh:mm");

// Appends "&code=value"; the two B parameters that the clock expects after a
// doubled separator get "&&".
class Body
{
public:
    Body &add(const char *code, const QByteArray &value)
    {
        m_bytes += '&';
        return append(code, value);
    }
    Body &addDoubled(const char *code, const QByteArray &value)
    {
        m_bytes += "&&";
        return append(code, value);
    }
    const QByteArray &bytes() const { return m_bytes; }

private:
    Body &append(const char *code, const QByteArray &value)
    {
        m_bytes += code;
        m_bytes += '=';
        m_bytes += value;
        return *this;
    }
    QByteArray m_bytes;
};

QByteArray decimal(int value) { return QByteArray::number(value); }
QByteArray flag(bool value) { return value ? QByteArrayLiteral("1") : QByteArrayLiteral("0"); }
QByteArray text(const QString &value) { return value.toUtf8(); }
// An invalid time is sent as the empty text.
QByteArray time(const QTime &value) { return value.isValid() ? value.toString(timeFormat).toUtf8() : QByteArray(); }
// 0 = January on our side, 1 = January on the wire.
QByteArray month(int value) { return QByteArray::number(static_cast<qint64>(value) + 1); }

// "+" for zero and above, one decimal. Anything that rounds to zero is
// "+0.0", never "-0.0" or "+-0.0".
QByteArray temperatureOffset(float value)
{
    QByteArray number = QByteArray::number(static_cast<double>(value), 'f', 1);
    if (number == "-0.0")
        number = "0.0";
    return number.startsWith('-') ? number : '+' + number;
}

class Reply
{
public:
    explicit Reply(const QString &text) : m_map(parseReplyMap(text)) {}

    int size() const { return m_map.size(); }
    bool has(const char *key) const { return m_map.contains(QLatin1String(key)); }
    QString text(const char *key) const { return m_map.value(QLatin1String(key)); }
    // A missing key or a text that is not a number reads as 0.
    int decimal(const char *key) const { return text(key).toInt(); }
    bool flag(const char *key) const { return decimal(key) != 0; }
    QTime time(const char *key) const { return QTime::fromString(text(key), timeFormat); }
    int month(const char *key) const
    {
        const qint64 value = static_cast<qint64>(decimal(key)) - 1;
        return static_cast<int>(qMax<qint64>(value, std::numeric_limits<int>::min()));
    }
    float offset(const char *key) const
    {
        bool ok = false;
        const float value = text(key).toFloat(&ok);
        return ok && std::isfinite(value) ? value : 0.0f;
    }

private:
    QMap<QString, QString> m_map;
};

} // namespace

QByteArray encodeTimeConfig(const ClockConfig &c)
{
    Body body;
    body.add("A_002", decimal(c.Mode))
        .add("A_003", decimal(c.TimeZone))
        .add("A_004", flag(c.DaylightSaving))
        .add("A_005", text(c.Server1))
        .add("A_006", text(c.Server2))
        .add("A_007", text(c.Server3))
        .add("A_008", text(c.Server4))
        .add("A_009", text(c.Server5))
        .add("A_010", flag(c.MasterMode))
        .add("A_013", decimal(c.Localization))
        .add("A_014", flag(c.TimeZoneActive))
        .add("A_015", decimal(c.QueryInterval))
        .add("A_016", time(c.SummerTimeStartTime))
        .add("A_017", decimal(c.SummerTimeStartDate))
        .add("A_018", decimal(c.SummerTimeStartDay))
        .add("A_019", month(c.SummerTimeStartMonth))
        .add("A_020", time(c.SummerTimeEndTime))
        .add("A_021", decimal(c.SummerTimeEndDate))
        .add("A_022", decimal(c.SummerTimeEndDay))
        .add("A_023", month(c.SummerTimeEndMonth));
    return body.bytes();
}

QByteArray encodeDisplayConfig(const ClockConfig &c)
{
    Body body;
    body.add("B_000", flag(c.ShowTime))
        .add("B_001", decimal(c.DurationTime))
        .add("B_005", flag(c.ShowTemp))
        .add("B_006", decimal(c.DurationTemp))
        .add("B_002", flag(c.ShowDate))
        .add("B_003", decimal(c.DurationDate))
        .addDoubled("B_004", decimal(c.FormatDate))
        .add("B_022", decimal(c.FormatTime))
        .addDoubled("B_007", decimal(c.Brightness))
        .add("B_008", decimal(c.BrightnessProfile))
        .add("B_009", flag(c.EcoMode))
        .add("B_010", time(c.EcoStart))
        .add("B_011", time(c.EcoEnd))
        .add("B_014", decimal(c.typeface))
        .add("B_015", temperatureOffset(c.TemperatureOffsetValue))
        .add("B_021", flag(c.TemperatureOffset))
        .add("B_023", decimal(c.TemperatureUnit))
        .add("B_016", flag(c.Synchronization))
        .add("B_017", decimal(c.SynchronizationMode))
        // The clock wants "on" in place of the address while it is unused.
        .add("B_018", c.Synchronization ? text(c.MasterIP) : QByteArrayLiteral("on"))
        .add("B_024", flag(c.TimeLeadingZeros))
        .add("B_025", flag(c.BlinkingTimeColon));
    return body.bytes();
}

QByteArray encodeAlarmConfig(const ClockConfig &c)
{
    Body body;
    for (int slot = 0; slot < alarmCount; ++slot) {
        const Alarm &alarm = c.alarms[slot];
        body.add("C_000", decimal(slot))
            .add("C_001", flag(alarm.Active))
            .add("C_002", time(alarm.Time))
            .add("C_003", decimal(alarm.Duration))
            .add("C_004", flag(alarm.SelectedDaysMode))
            .add("C_005", decimal(alarm.dayMask()));
    }
    return body.bytes();
}

bool decodeTimeConfig(ClockConfig &c, const QString &replyText)
{
    const Reply reply(replyText);
    if (reply.size() < ConfigCodes::timeReplyMinKeys)
        return false;

    c.Localization = reply.decimal("A_013");
    c.TimeZoneActive = reply.flag("A_014");
    c.TimeZone = reply.decimal("A_003");
    c.DaylightSaving = reply.flag("A_004");
    c.Server1 = reply.text("A_005");
    c.Server2 = reply.text("A_006");
    c.Server3 = reply.text("A_007");
    c.Server4 = reply.text("A_008");
    c.Server5 = reply.text("A_009");
    c.Mode = reply.decimal("A_002");
    c.MasterMode = reply.flag("A_010");

    // Clocks that do not report the summer-time rule keep what we had.
    if (reply.has("A_015"))
        c.QueryInterval = reply.decimal("A_015");
    if (reply.has("A_016"))
        c.SummerTimeStartTime = reply.time("A_016");
    if (reply.has("A_017"))
        c.SummerTimeStartDate = reply.decimal("A_017");
    if (reply.has("A_018"))
        c.SummerTimeStartDay = reply.decimal("A_018");
    if (reply.has("A_019"))
        c.SummerTimeStartMonth = reply.month("A_019");
    if (reply.has("A_020"))
        c.SummerTimeEndTime = reply.time("A_020");
    if (reply.has("A_021"))
        c.SummerTimeEndDate = reply.decimal("A_021");
    if (reply.has("A_022"))
        c.SummerTimeEndDay = reply.decimal("A_022");
    if (reply.has("A_023"))
        c.SummerTimeEndMonth = reply.month("A_023");
    return true;
}

bool decodeDisplayConfig(ClockConfig &c, const QString &replyText)
{
    const Reply reply(replyText);
    if (reply.size() < ConfigCodes::displayReplyMinKeys)
        return false;

    c.ShowTime = reply.flag("B_000");
    c.ShowTemp = reply.flag("B_005");
    c.ShowDate = reply.flag("B_002");
    c.DurationTime = reply.decimal("B_001");
    c.DurationTemp = reply.decimal("B_006");
    c.DurationDate = reply.decimal("B_003");
    c.FormatDate = reply.decimal("B_004");
    c.FormatTime = reply.decimal("B_022");
    c.Brightness = reply.decimal("B_007");
    c.BrightnessProfile = reply.decimal("B_008");
    c.TemperatureOffsetValue = reply.offset("B_015");
    c.TemperatureOffset = reply.flag("B_021");
    c.TemperatureUnit = reply.decimal("B_023");
    c.Synchronization = reply.flag("B_016");
    c.SynchronizationMode = reply.decimal("B_017");
    c.MasterIP = reply.text("B_018");
    c.EcoMode = reply.flag("B_009");
    c.EcoStart = reply.time("B_010");
    c.EcoEnd = reply.time("B_011");
    c.typeface = reply.decimal("B_014");
    c.TimeLeadingZeros = reply.flag("B_024");
    // Older clocks do not report it.
    if (reply.has("B_025"))
        c.BlinkingTimeColon = reply.flag("B_025");
    return true;
}

bool decodeAlarmConfig(ClockConfig &c, const QString &replyText)
{
    // Not key=value: a plain list of fields, eight per slot after field 0.
    const QStringList fields = splitReplyFields(replyText);
    // A partial list is refused, so a half-read alarm table is never marked
    // loaded and later sent back to a clock as if it were complete.
    if (fields.size() < ConfigCodes::alarmReplyFields)
        return false;

    for (int slot = 0; slot < alarmCount; ++slot) {
        const int base = 1 + slot * ConfigCodes::alarmFieldsPerSlot;
        Alarm &alarm = c.alarms[slot];
        alarm.Active = fields.at(base).toInt() != 0;
        alarm.Time = QTime::fromString(fields.at(base + 1), timeFormat);
        alarm.Duration = fields.at(base + 2).toInt();
        // The mode goes out as a flag but comes back as a word.
        alarm.SelectedDaysMode = fields.at(base + 3) != QLatin1String(ConfigCodes::everyDayWord);
        alarm.setDayMask(fields.at(base + 4).toInt());
    }
    c.loaded = true;
    return true;
}
