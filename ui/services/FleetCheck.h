#pragma once

#include <QCoreApplication>

#include <functional>

class FleetAudit;
class PageServices;
class QObject;

// Check clocks of the device list and the group page: audits the clocks the
// caller selects against the site's zone, shows the findings, and lets the
// user change the site's zone from there, audited again at once.
class FleetCheck
{
    Q_DECLARE_TR_FUNCTIONS(FleetCheck)

public:
    // select picks the clocks and returns false when there are none;
    // recordFindings keeps an audit of the whole list for the device list.
    static void run(PageServices &services, QObject *context, const std::function<bool(FleetAudit &)> &select,
                    bool recordFindings);

    // Asks for the site's zone, the stored one (or the computer's) shown
    // first; stores the choice. False when the user cancelled.
    static bool askSiteZone(PageServices &services);
};
