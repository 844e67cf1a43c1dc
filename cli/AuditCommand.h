#pragma once

class CliSession;

// zentick-cli audit [--group NAME] [--site-zone ZONE] [--min-firmware
// MODEL=VERSION]...: audits the listed clocks (or one group's) and exits with
// 1 when anything was found, so that it can run from a timer.
namespace AuditCommand {

int audit(CliSession &session);

} // namespace AuditCommand
