#include "ui/window/WindowTitle.h"

#include "core/AppIdentity.h"
#include "session/MonitoringSession.h"

#include <QStringList>

WindowTitle WindowTitle::of(const MonitoringSession &session, const QString &journalProblem)
{
    QString title = session.isWritable() ? appDisplayName() : tr("%1 (read-only)").arg(appDisplayName());
    QStringList why = {session.readOnlyReason()};
    if (!session.saveProblem().isEmpty()) {
        title = tr("%1 (not saved)").arg(title);
        why = QStringList{session.saveProblem()};
    }
    if (!journalProblem.isEmpty()) {
        title = tr("%1 (history not written)").arg(title);
        why << journalProblemText(journalProblem);
    }
    why.removeAll(QString());
    return {title, why.join(QLatin1Char('\n'))};
}

QString WindowTitle::journalProblemText(const QString &problem)
{
    return tr("The history of clock events cannot be written: %1").arg(problem);
}
