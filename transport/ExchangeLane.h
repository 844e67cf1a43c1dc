#pragma once

// Who an exchange is for: an operation a user started, the status poller in
// the background, or a probe of an address that may hold no clock at all
// (commissioning by address range or plan). Polls have slots of their own and
// give way to user operations, so no button waits behind a silent clock being
// polled; probes have slots of their own too, many of them, because most
// probed addresses of a range are empty and cost a connect wait each. A poll
// of a clock whose last poll failed goes in a lane of its own, with more slots
// than probes: it mostly waits out a time-out, and when a power cut takes
// hundreds of clocks at once their polls must neither crowd out the clocks
// that answer nor fall behind the pace that makes their alerts due in time.
enum class ExchangeLane { User, Poll, Probe, Retry };
