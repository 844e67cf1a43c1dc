#include "ClockMerge.h"

#include "ClockRegistry.h"
#include "DevClock.h"
#include "DevGroup.h"
#include "MacText.h"

#include <QCoreApplication>

namespace ClockMerge {

namespace {

int onlyClockWithMac(const QList<DevClock *> &listed, const QString &mac)
{
    int found = -1;
    for (int i = 0; i < listed.size(); ++i) {
        if (listed.at(i)->mac != mac)
            continue;
        if (found >= 0)
            return -1;
        found = i;
    }
    return found;
}

} // namespace

Finding find(const QList<DevClock *> &listed, const DevClock &found, const QSet<quint64> &claimed)
{
    Finding finding;
    const bool knownMac = MacText::isIdentity(found.mac);
    if (knownMac) {
        const int index = onlyClockWithMac(listed, found.mac);
        if (index >= 0 && !claimed.contains(listed.at(index)->id)) {
            finding.index = index;
            const QString &ip = listed.at(index)->network.ip;
            if (ip == found.network.ip) {
                finding.match = Match::Listed;
            } else {
                finding.match = Match::Moved;
                finding.movedFrom = ip;
            }
            return finding;
        }
    }
    for (int i = 0; i < listed.size(); ++i) {
        const DevClock *clock = listed.at(i);
        if (clock->network.ip != found.network.ip)
            continue;
        if (!knownMac || !MacText::isIdentity(clock->mac) || clock->mac == found.mac) {
            finding.match = Match::Listed;
            finding.index = i;
            return finding;
        }
    }
    return finding;
}

void update(DevClock &listed, const DevClock &found, Match match)
{
    if (!MacText::isIdentity(listed.mac) && MacText::isIdentity(found.mac))
        listed.mac = found.mac;
    if (match == Match::Moved) {
        listed.network.ip = found.network.ip;
        listed.network.port = found.network.port;
        if (!found.networkInterface.isNull())
            listed.networkInterface = found.networkInterface;
        listed.lastError = found.lastError;
    }
    if (found.lastError != NoError)
        return;
    if (!found.productCode.isEmpty())
        listed.productCode = found.productCode;
    if (!found.deviceCode.isEmpty())
        listed.deviceCode = found.deviceCode;
    listed.lastError = NoError;
    const bool hasStatus = found.status.lastStatusUpdate.isValid();
    // updateFrom takes the status too: a search that read none must not wipe
    // the one the list holds.
    const ClockStatus status = listed.status;
    const auto counters = listed.alertCounters;
    listed.updateFrom(found);
    if (hasStatus) {
        listed.status.lastStatusUpdate = found.status.lastStatusUpdate;
    } else {
        listed.status = status;
        listed.alertCounters = counters;
    }
}

QString movedText(const QString &from, const QString &to)
{
    return QCoreApplication::translate("ClockMerge", "moved from %1 to %2").arg(from, to);
}

int groupNamed(ClockRegistry &registry, const QString &name)
{
    if (name.isEmpty())
        return -1;
    for (int i = 0; i < registry.groupCount(); ++i) {
        if (registry.groupAt(i)->name() == name)
            return i;
    }
    registry.createGroup(name);
    return registry.groupCount() - 1;
}

} // namespace ClockMerge
