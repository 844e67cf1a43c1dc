#pragma once

#include <QString>

class CliSession;

namespace Confirmation {

// --yes, or "y"/"yes" typed after the question on standard error.
bool confirmed(CliSession &session, const QString &question);

} // namespace Confirmation
