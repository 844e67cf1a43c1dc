#pragma once

#include "model/QuietPeriod.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>

class PageServices;

// How long a clock or a group stays quiet, chosen from a short list: the
// device list's and the group page's "Quiet period…" both ask it.
class QuietPeriodChoice
{
    Q_DECLARE_TR_FUNCTIONS(QuietPeriodChoice)

public:
    // The choices as the list shows them, and the period each gives from now.
    static QStringList texts();
    static QuietPeriod period(int choice, const QDateTime &now);

    // Asks through the dialog host; false when the user cancelled.
    static bool ask(PageServices &services, const QString &what, QuietPeriod &period);
};
