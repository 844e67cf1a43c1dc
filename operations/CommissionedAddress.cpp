#include "operations/CommissionedAddress.h"

#include "model/AddressPlan.h"
#include "model/AddressRange.h"
#include "model/ClockMerge.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "values/MacText.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CommissionedAddress", text);
}

} // namespace

QVector<CommissioningTarget> CommissioningTarget::fromRange(const AddressRange &range, const QString &user,
                                                            const QString &password)
{
    QVector<CommissioningTarget> targets;
    const QStringList addresses = range.addresses();
    targets.reserve(addresses.size());
    for (const QString &ip : addresses)
        targets.append({ip, user, password, QString(), QString(), QString(), false, false});
    return targets;
}

QVector<CommissioningTarget> CommissioningTarget::fromPlan(const QVector<PlanRow> &rows, const QString &user,
                                                           const QString &password)
{
    QVector<CommissioningTarget> targets;
    targets.reserve(rows.size());
    for (const PlanRow &row : rows) {
        targets.append({row.ip, row.user.isEmpty() ? user : row.user, row.password.isEmpty() ? password : row.password,
                        row.name, row.group, row.mac, true, row.user.isEmpty() && row.password.isEmpty()});
    }
    return targets;
}

std::unique_ptr<DevClock> CommissioningTarget::ownClockInstead(const DevClock &found) const
{
    if (!MacText::isIdentity(mac) || !MacText::isIdentity(found.mac) || found.mac == mac)
        return nullptr;
    auto own = std::make_unique<DevClock>();
    own->network.ip = ip;
    own->mac = mac;
    if (!name.isEmpty())
        own->name = name;
    own->user = user;
    own->password = password;
    // Not reached: a listed record keeps what it knows (ClockMerge::update
    // takes nothing from a read that failed), a new one waits for the poller.
    own->lastError = ConnectionError;
    return own;
}

CommissionedAddress CommissioningFinding::takeInto(ClockIntake &intake)
{
    CommissionedAddress result = address;
    if (!clock)
        return result;
    const QString mac = clock->mac;
    const ClockIntake::Result taken = intake.take(clock, rules);
    if (rules.silent && taken.taken != ClockIntake::Taken::Added)
        return result;
    switch (taken.taken) {
    case ClockIntake::Taken::Conflict:
        result.outcome = CommissionedAddress::MacConflict;
        result.movedFrom = taken.movedFrom;
        result.rename = CommissionedAddress::Rename::NotAsked;
        result.reason = ClockMerge::conflictText(mac, taken.movedFrom, address.ip);
        return result;
    case ClockIntake::Taken::MoveUnconfirmed:
        result.outcome = CommissionedAddress::MacConflict;
        result.movedFrom = taken.movedFrom;
        result.rename = CommissionedAddress::Rename::NotAsked;
        result.reason = ClockMerge::unconfirmedMoveText(taken.movedFrom, address.ip);
        // The listed clock, for the user to confirm its move.
        result.clockId = taken.clock->id;
        return result;
    case ClockIntake::Taken::WrongPassword:
        result.outcome = CommissionedAddress::WrongPassword;
        result.rename = CommissionedAddress::Rename::NotAsked;
        return result;
    case ClockIntake::Taken::Added:
        // A plan row that refused the password stays a refusal on the list.
        if (rules.silent)
            result.outcome = address.outcome == CommissionedAddress::WrongPassword ? CommissionedAddress::WrongPassword
                                                                                  : CommissionedAddress::AddedSilent;
        else
            result.outcome = CommissionedAddress::Added;
        break;
    case ClockIntake::Taken::Moved:
        result.outcome = CommissionedAddress::Moved;
        result.movedFrom = taken.movedFrom;
        break;
    case ClockIntake::Taken::AlreadyListed:
    case ClockIntake::Taken::Updated:
        result.outcome = CommissionedAddress::AlreadyListed;
        break;
    }
    const DevClock *listed = taken.clock;
    if (!rules.silent && !unreached && listed->productCode.isEmpty()) {
        const QString note = QCoreApplication::translate("CommissioningSender", "model not recognised");
        result.reason = result.reason.isEmpty() ? note : note + QStringLiteral("; ") + result.reason;
    }
    if (const DevGroup *member = intake.registry().groupOfClock(listed))
        result.group = member->name();
    result.clockId = listed->id;
    result.name = listed->name;
    result.productCode = listed->productCode;
    result.firmware = listed->firmware;
    return result;
}

bool CommissionedAddress::isHandled() const
{
    return outcome != NoAnswer && outcome != WrongPassword && outcome != MacConflict && outcome != AddedSilent
        && rename != Rename::Failed;
}

QString CommissionedAddress::outcomeText() const
{
    switch (outcome) {
    case Added:
        return tr("added");
    case AlreadyListed:
        return tr("already listed");
    case Moved:
        return tr("moved");
    case NotAClock:
        return tr("not a clock");
    case NoAnswer:
        return tr("no answer");
    case WrongPassword:
        return tr("wrong password");
    case MacConflict:
        return tr("MAC conflict");
    case AddedSilent:
        return tr("added, not answering");
    }
    return QString();
}

QString CommissionedAddress::outcomeKey() const
{
    static const char *const keys[] = {"added", "alreadyListed", "moved", "notAClock", "noAnswer",
                                         "wrongPassword", "macConflict", "addedNotAnswering"};
    return QLatin1String(keys[outcome]);
}

QString CommissionedAddress::note() const
{
    QStringList parts;
    if (outcome == Moved)
        parts << ClockMerge::movedText(movedFrom, ip);
    if (rename == Rename::Renamed)
        parts << tr("renamed");
    else if (rename == Rename::Failed)
        parts << tr("not renamed");
    if (!reason.isEmpty())
        parts << reason;
    return parts.join(QStringLiteral("; "));
}
