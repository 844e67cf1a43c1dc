#include "ui/dialogs/DialogHost.h"

#include "core/AppIdentity.h"

#include <QCoreApplication>

DialogHost::~DialogHost() = default;

QuestionResult DialogHost::ask(QWidget *parent, const QString &text, QuestionIcon icon, const QString &positive,
                               const QString &negative, const QString &neutral)
{
    return question({parent, appDisplayName(), text, icon, positive, negative, neutral});
}

void DialogHost::message(QWidget *parent, const QString &text, QuestionIcon icon)
{
    ask(parent, text, icon, QCoreApplication::translate("DialogHost", "OK"));
}
