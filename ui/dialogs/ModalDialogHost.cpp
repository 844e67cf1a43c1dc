#include "ui/dialogs/ModalDialogHost.h"

#include "ui/dialogs/DialogProgress.h"
#include "ui/dialogs/DialogQuestion.h"

#include <QFileDialog>

QuestionResult ModalDialogHost::question(const Question &question)
{
    DialogQuestion dialog(question.parent, question.title, question.text, question.positive, question.icon,
                          question.negative, question.neutral);
    dialog.exec();
    return dialog.answer();
}

int ModalDialogHost::runDialog(QDialog &dialog)
{
    return dialog.exec();
}

QString ModalDialogHost::chooseOpenFile(const FileRequest &request)
{
    return QFileDialog::getOpenFileName(request.parent, request.caption, request.folder, request.filter);
}

QString ModalDialogHost::chooseSaveFile(const FileRequest &request)
{
    return QFileDialog::getSaveFileName(request.parent, request.caption, request.folder, request.filter);
}

int ModalDialogHost::runProgress(DialogProgress &dialog)
{
    return dialog.exec();
}
