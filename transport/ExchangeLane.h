#pragma once

// Who an exchange is for: an operation a user started, or the status poller
// in the background. Polls have slots of their own and give way to user
// operations, so no button waits behind a silent clock being polled.
enum class ExchangeLane { User, Poll };
