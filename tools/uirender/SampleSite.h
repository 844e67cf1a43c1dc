#pragma once

#include "values/NetworkCardData.h"

#include <QVector>

class ClockConfig;
class DevClock;
struct NotificationSettings;

// A made-up site for the pictures, modelled on the demo fleet: clocks of
// several models with live-looking status, groups with a configuration, and
// filled-in alert and report settings. Nothing here reaches a network.
namespace SampleSite {

// Fills the clock registry and these notification settings.
void populate(NotificationSettings &alerts);
// Empties the registry and resets the notification settings.
void clear(NotificationSettings &alerts);

// A configuration with something set on every tab.
void fillConfig(ClockConfig &config);
// The one local interface the dialogs offer.
NetworkCardData networkCard();
// What a search of the site would report; the caller owns the clocks.
QVector<DevClock *> foundClocks();

} // namespace SampleSite
