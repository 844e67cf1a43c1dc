#pragma once

#include "ui/dialogs/DialogHost.h"

// Runs every dialog for real, modally: the program's host, which main()
// gives to the window's services.
class ModalDialogHost : public DialogHost
{
public:
    QuestionResult question(const Question &question) override;
    int runDialog(QDialog &dialog) override;
    QString openFileName(const FileRequest &request) override;
    QString saveFileName(const FileRequest &request) override;
    int runProgress(DialogProgress &dialog) override;
};
