#include "PageServices.h"

#include "OperationRunner.h"
#include "StatusPixmaps.h"

void PageServices::ShowToast(const QString &text, ToastType type) const
{
    if (toast)
        toast(text, type);
}

void PageServices::ShowOperationError(Error kind) const
{
    if (runner)
        runner->ShowOperationError(kind);
}

QPixmap PageServices::statusPixmap(int severity) const
{
    return pixmaps ? pixmaps->pixmap(severity) : QPixmap();
}

bool PageServices::OpenEditor(int groupIndex, int clockIndex) const
{
    return openEditor && openEditor(groupIndex, clockIndex);
}

void PageServices::SetHiddenToTray(bool visible) const
{
    if (setHiddenToTray)
        setHiddenToTray(visible);
}
