#pragma once

#include "operations/CommissionedAddress.h"

#include <QObject>
#include <QVector>

class PageServices;

// What the device list does with address ranges and plans: asks each address
// of a range or plan for a clock behind the progress dialog, with the result
// table afterwards, and writes the list as a plan. Clocks behind routers are
// out of reach of a search; a plan is how an installer hands a site over.
class AddressPlanActions : public QObject
{
    Q_OBJECT

public:
    explicit AddressPlanActions(PageServices &services, QObject *parent = nullptr);

    // Runs the addresses through the operation runner; the clocks go onto
    // the list while it runs (clockListed, a few times a second), and the
    // result table shows when the run has ended or was cancelled.
    void commission(const QVector<CommissioningTarget> &targets, bool renameFromPlan);
    // Asks whether the passwords go in (not unless chosen), then where, and
    // writes the list as a plan.
    void exportList();

signals:
    // A clock was added to the list or a listed one changed (moved, renamed,
    // put into a group).
    void clockListed(quint64 id);

private:
    // Asks once whether the listed clocks found elsewhere by their MAC, with
    // nothing proving them gone from their old address, move there.
    void confirmMoves(const QVector<CommissionedAddress> &addresses);

    PageServices &m_services;
};
