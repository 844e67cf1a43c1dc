#include "DialogHost.h"

#include "AppIdentity.h"
#include "ModalDialogHost.h"

#include <QCoreApplication>

namespace {

DialogHost *g_installed = nullptr;

} // namespace

DialogHost::~DialogHost()
{
    if (g_installed == this)
        g_installed = nullptr;
}

QuestionResult DialogHost::ask(QWidget *parent, const QString &text, QuestionIcon icon, const QString &positive,
                               const QString &negative, const QString &neutral)
{
    return question({parent, appDisplayName(), text, icon, positive, negative, neutral});
}

void DialogHost::message(QWidget *parent, const QString &text, QuestionIcon icon)
{
    ask(parent, text, icon, QCoreApplication::translate("DialogHost", "OK"));
}

DialogHost &DialogHost::current()
{
    if (g_installed)
        return *g_installed;
    static ModalDialogHost modal;
    return modal;
}

void DialogHost::install(DialogHost *host)
{
    g_installed = host;
}
