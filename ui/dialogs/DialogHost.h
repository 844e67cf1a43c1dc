#pragma once

#include <QString>

class DialogProgress;
class QDialog;
class QWidget;

// The picture beside a question.
enum class QuestionIcon : int { None = 0, Info = 1, Warning = 2, Critical = 3, Question = 4 };

// The answer to a question: its positive, neutral or negative button. Closing
// the question by its title bar answers Negative.
enum class QuestionResult : int { Positive = 1, Neutral = 0, Negative = -1 };

// The one way the window, its pages and dialogs open a modal dialog:
// questions and messages, any QDialog, file dialogs and the progress dialog
// of an operation. Each is given the host it uses when it is built. The
// program runs them for real (ModalDialogHost); tests give a
// ScriptedDialogHost, which answers from a script and records what was
// asked, so that nothing ever waits on a modal dialog.
class DialogHost
{
public:
    struct Question
    {
        QWidget *parent = nullptr;
        QString title;
        QString text;
        QuestionIcon icon = QuestionIcon::None;
        QString positive;
        QString negative; // empty: no such button
        QString neutral;
    };

    struct FileRequest
    {
        QWidget *parent = nullptr;
        QString caption;
        QString folder; // or a file path to start from
        QString filter;
    };

    virtual ~DialogHost();

    virtual QuestionResult question(const Question &question) = 0;
    // Runs the dialog modally and returns its result (QDialog::Accepted, ...).
    virtual int runDialog(QDialog &dialog) = 0;
    // The chosen path; empty when the user cancelled. The dialog starts at
    // the request's folder (startingPlace); the folder of a chosen file is
    // remembered as the last one used.
    QString openFileName(const FileRequest &request);
    QString saveFileName(const FileRequest &request);
    // Runs the progress dialog of an operation until the operation finishes
    // it (Accepted) or the user cancels it (Rejected).
    virtual int runProgress(DialogProgress &dialog) = 0;

    // A question titled with the program's name, as every question of the window is.
    QuestionResult ask(QWidget *parent, const QString &text, QuestionIcon icon, const QString &positive,
                       const QString &negative = QString(), const QString &neutral = QString());
    // A message with one "OK" button.
    void message(QWidget *parent, const QString &text, QuestionIcon icon);

    // Where a file dialog opens: the requested folder or file when its
    // folder exists; otherwise the last folder used, else the user's
    // documents (a requested file name is kept). Never the working folder,
    // which is wherever the program was started from.
    static QString startingPlace(const QString &requested);

protected:
    virtual QString chooseOpenFile(const FileRequest &request) = 0;
    virtual QString chooseSaveFile(const FileRequest &request) = 0;

private:
    QString chosen(const QString &path);
};
