#pragma once

class CliSession;

// The commands that put clocks on the device list by asking addresses
// directly (no broadcast), for clocks behind routers: an address range or an
// address plan. Each returns the exit status: 0 when every address was
// handled, 1 when some gave no answer, refused the password or could not be
// renamed, 2 for bad input (nothing changed then).
namespace CommissionCommands {

int addRange(CliSession &session);
int importPlan(CliSession &session);

} // namespace CommissionCommands
