#pragma once

#include "ui/dialogs/DialogHost.h"

// Runs every dialog for real, modally: the program's host, which main()
// gives to the window's services.
class ModalDialogHost : public DialogHost
{
public:
    QuestionResult question(const Question &question) override;
    int runDialog(QDialog &dialog) override;
    int runProgress(DialogProgress &dialog) override;

protected:
    QString chooseOpenFile(const FileRequest &request) override;
    QString chooseSaveFile(const FileRequest &request) override;
};
