#pragma once

#include "model/QuietHours.h"
#include "model/QuietPeriod.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>

class PageServices;
struct QuietRequest;

// How long a clock or a group stays quiet, chosen from a short list: the
// device list's and the group page's "Quiet period…" both ask it. Its last
// choice edits the weekly quiet hours instead.
class QuietPeriodChoice
{
    Q_DECLARE_TR_FUNCTIONS(QuietPeriodChoice)

public:
    // The choices as the list shows them, and the period each gives from now.
    static QStringList texts();
    static QuietPeriod period(int choice, const QDateTime &now);

    // Asks through the dialog host and fills the request's period, or its
    // weekly hours starting from the current ones (an empty text clears
    // them); false when the user cancelled or the hours were not understood.
    static bool ask(PageServices &services, const QString &what, const QuietHours &current, QuietRequest &request);
};
