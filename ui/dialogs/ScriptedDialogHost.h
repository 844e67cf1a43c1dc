#pragma once

#include "ui/dialogs/DialogHost.h"

#include <QList>
#include <QStringList>

#include <functional>

// A DialogHost for tests and the render tool: shows nothing modal, answers
// from a queue in order and records every request.
//
// Questions, dialogs and file dialogs each take the next answer, which must
// be of their kind; when it is not (or none is left) the request is recorded,
// a warning is logged and it is dismissed (Negative, Rejected, no path) without
// using up the answer. A progress dialog takes the next answer only when it
// is a progress answer and otherwise lets the operation run: it is shown
// (not modally) until the operation finishes it, or until it goes with its
// window (Rejected, as a modal run ends then). Cancel presses the dialog's
// own Cancel button, so the operation is cancelled the way a user would.
class ScriptedDialogHost : public DialogHost
{
public:
    enum class Kind { Question, Dialog, OpenFile, SaveFile, Progress };
    enum class Progress { LetRun, Cancel };
    // Fills the dialog's widgets (it is not shown) and returns its result.
    using DialogScript = std::function<int(QDialog &dialog)>;

    // A progress dialog the operation never finishes is cancelled after
    // this long, so that a broken test fails instead of hanging.
    static constexpr int progressGuardMs = 120000;

    struct Request
    {
        Kind kind = Kind::Question;
        QString title;      // question title, dialog or progress window title, file caption
        QString text;       // question text, progress operation text, file filter
        QString objectName; // of the dialog
        QString folder;     // where a file dialog starts
        QuestionIcon icon = QuestionIcon::None;
        QStringList buttons; // the question's visible buttons, positive first
        bool answered = false;
    };

    ScriptedDialogHost();
    ~ScriptedDialogHost() override;

    ScriptedDialogHost &answerQuestion(QuestionResult answer);
    ScriptedDialogHost &answerDialog(DialogScript script);
    ScriptedDialogHost &answerDialog(int result);
    ScriptedDialogHost &answerFile(const QString &path);
    ScriptedDialogHost &answerProgress(Progress answer);

    QList<Request> requests() const { return m_requests; }
    // The texts of the questions asked, in order.
    QStringList questionTexts() const;
    int pendingAnswers() const { return m_answers.size(); }
    // Forgets answers and requests.
    void reset();

    QuestionResult question(const Question &question) override;
    int runDialog(QDialog &dialog) override;
    int runProgress(DialogProgress &dialog) override;

protected:
    QString chooseOpenFile(const FileRequest &request) override;
    QString chooseSaveFile(const FileRequest &request) override;

private:
    struct Answer
    {
        Kind kind;
        int value = 0;
        DialogScript script;
        QString path;
    };

    bool takeAnswer(Kind kind, Request &request, Answer &answer);
    QString fileName(Kind kind, const FileRequest &request);

    QList<Answer> m_answers;
    QList<Request> m_requests;
};
