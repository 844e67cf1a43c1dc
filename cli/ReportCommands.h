#pragma once

class CliSession;

// zentick-cli report availability: how available and how well synchronised
// the clocks were over a period, from the history.
namespace ReportCommands {

int availability(CliSession &session);

} // namespace ReportCommands
