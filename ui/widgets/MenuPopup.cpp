#include "ui/widgets/MenuPopup.h"

#include <QEventLoop>
#include <QPointer>

MenuPopup::MenuPopup(QWidget *parent)
    : QMenu(parent)
{
}

QAction *MenuPopup::execAt(const QPoint &globalPos)
{
    QPointer<QAction> chosen;
    const auto triggered = connect(this, &QMenu::triggered, this, [&chosen](QAction *action) { chosen = action; });
    QEventLoop loop;
    connect(this, &QMenu::aboutToHide, &loop, &QEventLoop::quit);
    popup(globalPos);
    if (isVisible())
        loop.exec();
    // The menu hides before it reports the action, in the same call; the loop
    // only ends after both, so the chosen action is known here.
    disconnect(triggered);
    return chosen;
}
