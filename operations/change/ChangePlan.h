#pragma once

#include "model/ClockConfig.h"
#include "operations/audit/AuditChecks.h"
#include "operations/SenderTarget.h"

#include <QJsonObject>
#include <QPair>
#include <QString>
#include <QVector>

#include <memory>
#include <optional>

// One field of one clock, before and after, as ConfigFieldAccess::text
// gives it.
struct FieldChange
{
    QString field;
    QString before;
    QString after;

    bool operator==(const FieldChange &other) const
    {
        return field == other.field && before == other.before && after == other.after;
    }
};

// What a change does to each clock: the values given (--set, or --from a
// file's fields, turned into values at once so a resumed run applies the
// same), or align: the fields where the clock departs from its group, and
// its daylight-saving fields where the audit finds that its offset leaves
// the site's zone.
struct ChangeRecipe
{
    enum class Kind { Set, Align };
    Kind kind = Kind::Set;
    QVector<QPair<QString, QString>> values; // canonical field name, value text
    // Align: the site's zone (an IANA id); none aligns no daylight saving.
    QString siteZone;

    // The site the daylight-saving fields are checked against, from now over
    // the audit's span; made once, before the plan.
    void prepareSite(const QDateTime &now);

    // The clock's configuration after the change; false with the reason when
    // it cannot be made (align without a group configuration).
    bool apply(const ClockConfigFields &base, const ClockConfigFields *groupConfig, ClockConfigFields &result,
               QString *why) const;

    QJsonObject toJson() const;
    // False for a recipe that names no known field or holds a bad value.
    static bool fromJson(const QJsonObject &object, ChangeRecipe &recipe);

private:
    std::shared_ptr<const AuditChecks::Site> m_site;
};

// One clock of a change run and how far it got.
struct ClockChange
{
    enum class State {
        Pending,    // its configuration is not read yet
        Planned,    // read, and some part differs: to be sent
        Skipped,    // already right
        Unreadable, // its configuration could not be read whole
        Refused,    // the change cannot be made for this clock
        Sending,    // sent (or being sent), not yet read back
        Verified,   // read back, showing the change
        Failed,     // not sent, or read back without the change
        Stopped,    // not reached: the run stopped before its wave
    };

    QString ip;
    QString name;
    State state = State::Pending;
    QVector<FieldChange> changes;
    QVector<ConfigPart> parts;
    QString error;

    // Not kept in the run's file: the credentials, and what is read anew.
    SenderTarget target;
    std::optional<ClockConfigFields> groupConfig;
    ClockConfigFields base;
    ClockConfigFields result;

    // Verified, skipped, or given up on: a resumed run leaves it alone.
    bool isDone() const;
    bool isSuccess() const { return state == State::Verified || state == State::Skipped; }

    static QString stateKey(State state);
    static std::optional<State> stateOfKey(const QString &key);
};

namespace ChangePlan {

// The bytes the part of this configuration goes to a clock as.
QByteArray partBytes(const ClockConfigFields &config, ConfigPart part);

// Fills the clock's base, result, changes and parts from what was read and
// the recipe: Planned when a part's bytes change, Skipped when none does,
// Refused when the recipe cannot be applied or the result could not be sent.
void plan(ClockChange &clock, const ClockConfigFields &downloaded, const ChangeRecipe &recipe);

} // namespace ChangePlan
