#include "model/ClockMerge.h"

#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "values/MacText.h"

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
        const QString ip = index >= 0 ? listed.at(index)->network.ip : QString();
        const bool isClaimed = index >= 0 && claimed.contains(listed.at(index)->id);
        if (index >= 0 && (ip != found.network.ip || !isClaimed)) {
            finding.index = index;
            if (ip == found.network.ip) {
                finding.match = Match::Listed;
            } else {
                finding.match = isClaimed ? Match::Conflict : Match::Moved;
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

QVector<Finding> findAll(const QList<DevClock *> &listed, const QVector<DevClock *> &found)
{
    QVector<Finding> findings(found.size());
    QSet<quint64> claimed;
    QVector<bool> done(found.size(), false);
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < found.size(); ++i) {
            if (done.at(i))
                continue;
            const Finding finding = find(listed, *found.at(i), claimed);
            if (pass == 0 && finding.match != Match::Listed)
                continue;
            findings[i] = finding;
            done[i] = true;
            if (finding.match == Match::Listed || finding.match == Match::Moved)
                claimed.insert(listed.at(finding.index)->id);
        }
    }
    return findings;
}

void update(DevClock &listed, const DevClock &found, Match match)
{
    if (match == Match::Conflict)
        return;
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
    const QString user = listed.user;
    const QString password = listed.password;
    listed.updateFrom(found);
    if (match == Match::Moved) {
        listed.user = user;
        listed.password = password;
    }
    if (hasStatus) {
        listed.status.lastStatusUpdate = found.status.lastStatusUpdate;
    } else {
        listed.status = status;
    }
}

QString movedText(const QString &from, const QString &to)
{
    return QCoreApplication::translate("ClockMerge", "moved from %1 to %2").arg(from, to);
}

QString conflictText(const QString &mac, const QString &listedAt, const QString &foundAt)
{
    return QCoreApplication::translate("ClockMerge", "two clocks report MAC %1 (%2 and %3); nothing changed")
        .arg(mac, listedAt, foundAt);
}

QString unconfirmedMoveText(const QString &from, const QString &to)
{
    return QCoreApplication::translate("ClockMerge",
                                       "not moved from %1 to %2: %1 did not answer with another clock; "
                                       "the move waits for confirmation")
        .arg(from, to);
}

bool stillThere(const QString &deviceInformationReply, const QString &mac)
{
    DevClock there;
    return there.parseDeviceInformation(deviceInformationReply) && there.mac == mac;
}

bool answersWithOther(const QString &deviceInformationReply, const QString &mac)
{
    DevClock there;
    return there.parseDeviceInformation(deviceInformationReply) && MacText::isIdentity(there.mac) && there.mac != mac;
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
