#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

struct ChangeRunState;

// What zentick-cli change prints: the plan before anything is sent and the
// result after, as text, CSV or JSON.
namespace ChangeReport {

// Per clock each field old -> new; then the clocks already right and those
// that cannot be changed.
QString planText(const ChangeRunState &state);
// clock, fields, before, after, verified, error: one row per clock.
QString resultText(const ChangeRunState &state);
QByteArray resultCsv(const ChangeRunState &state);
QJsonObject json(const ChangeRunState &state, bool applied);

} // namespace ChangeReport
