#pragma once

// Clocks send measurements (the temperature) as short decimal text, which is
// kept as a float. Read back with the digits a float holds, the number is
// that text again: 21.3, not 21.2999992, in the metrics and on the board.
namespace Decimal {

double ofFloat(float value);

} // namespace Decimal
