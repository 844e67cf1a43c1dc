#include "session/AvailabilityJson.h"

#include <QJsonArray>

namespace AvailabilityJson {

namespace {

QJsonValue shareJson(double share)
{
    return share < 0 ? QJsonValue() : QJsonValue(share);
}

QJsonArray listJson(const QList<AvailabilityReport::Figures> &list)
{
    QJsonArray array;
    for (const AvailabilityReport::Figures &f : list)
        array.append(figures(f));
    return array;
}

} // namespace

QJsonObject figures(const AvailabilityReport::Figures &f)
{
    QJsonObject object{{QStringLiteral("clocks"), f.clocks},
                       {QStringLiteral("answeringShare"), shareJson(f.answeringShare())},
                       {QStringLiteral("synchronisedShare"), shareJson(f.synchronisedShare())},
                       {QStringLiteral("answeringSeconds"), f.answeringSecs},
                       {QStringLiteral("synchronisedSeconds"), f.synchronisedSecs},
                       {QStringLiteral("incidents"), f.incidents},
                       {QStringLiteral("longestIncidentSeconds"), f.longestIncidentSecs},
                       {QStringLiteral("incidentSeconds"), f.downSecs},
                       {QStringLiteral("meanRecoverySeconds"),
                        f.meanRecoverySecs() < 0 ? QJsonValue() : QJsonValue(f.meanRecoverySecs())},
                       {QStringLiteral("quietSeconds"), f.quietSecs},
                       {QStringLiteral("unknownSeconds"), f.unknownSecs}};
    if (!f.ip.isEmpty()) {
        object.insert(QStringLiteral("ip"), f.ip);
        object.insert(QStringLiteral("group"), f.group);
    }
    object.insert(QStringLiteral("name"), f.name);
    return object;
}

QJsonObject document(const AvailabilityReport::Result &result)
{
    return {{QStringLiteral("from"), result.from.toUTC().toString(Qt::ISODate)},
            {QStringLiteral("to"), result.to.toUTC().toString(Qt::ISODate)},
            {QStringLiteral("clocks"), listJson(result.clocks)},
            {QStringLiteral("groups"), listJson(result.groups)},
            {QStringLiteral("site"), figures(result.site)}};
}

} // namespace AvailabilityJson
