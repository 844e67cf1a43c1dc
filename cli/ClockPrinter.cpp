#include "cli/ClockPrinter.h"

#include "model/DevClock.h"
#include "model/DevGroup.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace ClockPrinter {

namespace {

// Six significant digits, as the state file writes the float.
double temperatureValue(float temperature)
{
    return QString::number(double(temperature), 'g', 6).toDouble();
}

QString addressText(const QHostAddress &address)
{
    return address.isNull() ? QString() : address.toString();
}

QString onOff(bool value)
{
    return value ? QStringLiteral("on") : QStringLiteral("off");
}

QString interfaceText(const NetworkCardData &card)
{
    return card.isNull() ? QCoreApplication::translate("ClockPrinter", "Default") : card.displayText();
}

QString temperatureText(const DevClock &clock)
{
    return valueOrUnknown(clock.status.hasTemperature(), QString::number(double(clock.status.temperature), 'g', 6)
                                                             + QLatin1Char(' ') + clock.status.temperatureUnit);
}

} // namespace

QJsonObject clockJson(const DevClock &clock, int index)
{
    QJsonObject object;
    if (index >= 0)
        object.insert(QStringLiteral("index"), index);
    object.insert(QStringLiteral("groupId"), clock.groupId);
    object.insert(QStringLiteral("name"), clock.name);
    object.insert(QStringLiteral("user"), clock.user);
    object.insert(QStringLiteral("firmware"), clock.firmware);
    object.insert(QStringLiteral("productCode"), clock.productCode);
    object.insert(QStringLiteral("deviceCode"), clock.deviceCode);

    const ClockStatus &status = clock.status;
    object.insert(QStringLiteral("NtpSynchronization"), status.NtpSynchronization);
    object.insert(QStringLiteral("temperature"), temperatureValue(status.temperature));
    object.insert(QStringLiteral("temperatureUnit"), status.temperatureUnit);
    object.insert(QStringLiteral("brightness"), status.brightness);
    object.insert(QStringLiteral("errorCode"), status.errorCode);
    object.insert(QStringLiteral("remoteMode"), status.remoteMode);
    object.insert(QStringLiteral("lastNtpServer"), status.lastNtpServer);
    object.insert(QStringLiteral("lastSyncTime"), status.lastSyncTime);
    object.insert(QStringLiteral("signalStrength"), status.signalStrength);
    object.insert(QStringLiteral("lastStatusUpdate"),
                  status.lastStatusUpdate.isValid() ? status.lastStatusUpdate.toString(QLatin1String(statusTimeFormat))
                                                    : QString());

    const ClockNetworkSettings &network = clock.network;
    object.insert(QStringLiteral("DHCP"), network.DHCP);
    object.insert(QStringLiteral("ip"), network.ip);
    object.insert(QStringLiteral("port"), network.port);
    object.insert(QStringLiteral("subnet"), network.subnet);
    object.insert(QStringLiteral("gateway"), network.gateway);
    object.insert(QStringLiteral("dnsPrimary"), network.dnsPrimary);
    object.insert(QStringLiteral("dnsSecondary"), network.dnsSecondary);
    object.insert(QStringLiteral("mac"), clock.mac);

    const NetworkCardData &card = clock.networkInterface;
    object.insert(QStringLiteral("NetworkCardData"),
                  QJsonObject{{QStringLiteral("name"), card.name},
                              {QStringLiteral("ip"), addressText(card.ip)},
                              {QStringLiteral("netmask"), addressText(card.netmask)},
                              {QStringLiteral("subnet"), addressText(card.subnet)},
                              {QStringLiteral("mac"), card.mac}});

    // Not state-file fields, but what a script most often wants to know.
    object.insert(QStringLiteral("hasConfig"), clock.hasConfig());
    object.insert(QStringLiteral("lastError"), int(clock.lastError));
    object.insert(QStringLiteral("statusText"), statusLine(clock));
    return object;
}

QJsonObject groupJson(const DevGroup &group, int index)
{
    QJsonArray members;
    for (int member : group.clockIndexes())
        members.append(member);
    return QJsonObject{{QStringLiteral("index"), index},
                       {QStringLiteral("name"), group.name()},
                       {QStringLiteral("clockIndexes"), members},
                       {QStringLiteral("hasConfig"), group.hasConfig()},
                       {QStringLiteral("quietHours"),
                        group.quietHours.isEmpty() ? QJsonValue() : QJsonValue(group.quietHours.toText())}};
}

QString statusLine(const DevClock &clock)
{
    return clock.statusText().split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QStringLiteral("; "));
}

QString clockDetails(const DevClock &clock)
{
    const ClockStatus &status = clock.status;
    const ClockNetworkSettings &network = clock.network;
    const QList<QStringList> rows = {
        {QStringLiteral("name:"), clock.name},
        {QStringLiteral("ip:"), network.ip},
        {QStringLiteral("port:"), QString::number(network.port)},
        {QStringLiteral("productCode:"), clock.productCode},
        {QStringLiteral("deviceCode:"), clock.deviceCode},
        {QStringLiteral("firmware:"), clock.firmwareText()},
        {QStringLiteral("status:"), statusLine(clock)},
        {QStringLiteral("NtpSynchronization:"), QString::number(status.NtpSynchronization)},
        {QStringLiteral("temperature:"), temperatureText(clock)},
        {QStringLiteral("brightness:"), valueOrUnknown(status.hasBrightness(), QString::number(status.brightness))},
        {QStringLiteral("errorCode:"), status.errorCode},
        {QStringLiteral("remoteMode:"), onOff(status.remoteMode)},
        {QStringLiteral("lastNtpServer:"), status.lastNtpServer},
        {QStringLiteral("lastSyncTime:"), status.lastSyncTime},
        {QStringLiteral("signalStrength:"), QString::number(status.signalStrength)},
        {QStringLiteral("lastStatusUpdate:"),
         status.lastStatusUpdate.isValid() ? status.lastStatusUpdate.toString(QLatin1String(statusTimeFormat))
                                           : QString()},
        {QStringLiteral("DHCP:"), onOff(network.DHCP)},
        {QStringLiteral("subnet:"), network.subnet},
        {QStringLiteral("gateway:"), network.gateway},
        {QStringLiteral("dnsPrimary:"), network.dnsPrimary},
        {QStringLiteral("dnsSecondary:"), network.dnsSecondary},
        {QStringLiteral("mac:"), clock.mac},
        {QStringLiteral("user:"), clock.user},
        {QStringLiteral("interface:"), interfaceText(clock.networkInterface)},
    };
    return formatTable(rows);
}

QString clockTable(const QList<TableRow> &rows, bool listColumns)
{
    bool withNotes = false;
    bool withHours = false;
    for (const TableRow &row : rows) {
        withNotes = withNotes || !row.note.isEmpty();
        withHours = withHours || (listColumns && !row.quietHours.isEmpty());
    }

    QStringList header = {QStringLiteral("#"),        QStringLiteral("Name"),  QStringLiteral("IP"),
                          QStringLiteral("Model"),    QStringLiteral("Firmware"), QStringLiteral("Group"),
                          QStringLiteral("Status")};
    if (listColumns)
        header << QStringLiteral("Quiet until") << QStringLiteral("Audit");
    if (withHours)
        header.insert(header.size() - 1, QStringLiteral("Quiet hours"));
    if (withNotes)
        header << QString();
    QList<QStringList> table = {header};
    for (const TableRow &row : rows) {
        const DevClock &clock = *row.clock;
        QStringList cells = {row.index >= 0 ? QString::number(row.index) : QStringLiteral("-"),
                             clock.name,
                             clock.network.ip,
                             clock.productCode.isEmpty() ? QStringLiteral("-") : clock.productCode,
                             clock.firmwareText(),
                             row.group.isEmpty() ? QStringLiteral("-") : row.group,
                             statusLine(clock)};
        if (listColumns) {
            cells << (row.quietUntil.isEmpty() ? QStringLiteral("-") : row.quietUntil)
                  << (row.audit.isEmpty() ? QStringLiteral("-") : row.audit);
            if (withHours)
                cells.insert(cells.size() - 1, row.quietHours.isEmpty() ? QStringLiteral("-") : row.quietHours);
        }
        if (withNotes)
            cells << row.note;
        table << cells;
    }
    return formatTable(table);
}

void widenColumns(QVector<int> &widths, const QStringList &row)
{
    for (int column = 0; column < row.size(); ++column) {
        if (widths.size() <= column)
            widths.append(0);
        widths[column] = qMax(widths.at(column), row.at(column).size());
    }
}

QString formatRow(const QStringList &row, const QVector<int> &widths)
{
    QString line;
    for (int column = 0; column < row.size(); ++column) {
        if (column + 1 < row.size())
            line += row.at(column).leftJustified(widths.value(column)) + QStringLiteral("  ");
        else
            line += row.at(column);
    }
    // A last cell may be empty; the line must still end cleanly.
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    return line + QLatin1Char('\n');
}

QString formatTable(const QList<QStringList> &rows)
{
    QVector<int> widths;
    for (const QStringList &row : rows)
        widenColumns(widths, row);
    QString text;
    for (const QStringList &row : rows)
        text += formatRow(row, widths);
    return text;
}

} // namespace ClockPrinter
