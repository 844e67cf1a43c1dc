#include "ui/dialogs/ScriptedDialogHost.h"

#include "ui/dialogs/DialogProgress.h"

#include <QAbstractButton>
#include <QDebug>
#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace {

const char *kindName(ScriptedDialogHost::Kind kind)
{
    switch (kind) {
    case ScriptedDialogHost::Kind::Question:
        return "question";
    case ScriptedDialogHost::Kind::Dialog:
        return "dialog";
    case ScriptedDialogHost::Kind::OpenFile:
        return "open-file dialog";
    case ScriptedDialogHost::Kind::SaveFile:
        return "save-file dialog";
    case ScriptedDialogHost::Kind::Progress:
        return "progress dialog";
    }
    return "?";
}

} // namespace

ScriptedDialogHost::ScriptedDialogHost() = default;

ScriptedDialogHost::~ScriptedDialogHost() = default;

ScriptedDialogHost &ScriptedDialogHost::answerQuestion(QuestionResult answer)
{
    m_answers.append({Kind::Question, int(answer), {}, {}});
    return *this;
}

ScriptedDialogHost &ScriptedDialogHost::answerDialog(DialogScript script)
{
    m_answers.append({Kind::Dialog, 0, std::move(script), {}});
    return *this;
}

ScriptedDialogHost &ScriptedDialogHost::answerDialog(int result)
{
    return answerDialog([result](QDialog &) { return result; });
}

ScriptedDialogHost &ScriptedDialogHost::answerFile(const QString &path)
{
    // Either file dialog takes it; the request records which one asked.
    m_answers.append({Kind::OpenFile, 0, {}, path});
    return *this;
}

ScriptedDialogHost &ScriptedDialogHost::answerProgress(Progress answer)
{
    m_answers.append({Kind::Progress, int(answer), {}, {}});
    return *this;
}

QStringList ScriptedDialogHost::questionTexts() const
{
    QStringList texts;
    for (const Request &request : m_requests) {
        if (request.kind == Kind::Question)
            texts.append(request.text);
    }
    return texts;
}

void ScriptedDialogHost::reset()
{
    m_answers.clear();
    m_requests.clear();
}

bool ScriptedDialogHost::takeAnswer(Kind kind, Request &request, Answer &answer)
{
    const Kind wanted = kind == Kind::SaveFile ? Kind::OpenFile : kind;
    if (!m_answers.isEmpty() && m_answers.constFirst().kind == wanted) {
        answer = m_answers.takeFirst();
        request.answered = true;
    } else if (kind != Kind::Progress) {
        qWarning().noquote() << "ScriptedDialogHost: no answer for the" << kindName(kind) << request.title
                             << request.text;
    }
    m_requests.append(request);
    return request.answered;
}

QuestionResult ScriptedDialogHost::question(const Question &question)
{
    Request request;
    request.kind = Kind::Question;
    request.title = question.title;
    request.text = question.text;
    request.icon = question.icon;
    for (const QString &button : {question.positive, question.negative, question.neutral}) {
        if (!button.isEmpty())
            request.buttons.append(button);
    }
    Answer answer{};
    return takeAnswer(Kind::Question, request, answer) ? QuestionResult(answer.value) : QuestionResult::Negative;
}

int ScriptedDialogHost::runDialog(QDialog &dialog)
{
    Request request;
    request.kind = Kind::Dialog;
    request.title = dialog.windowTitle();
    request.objectName = dialog.objectName();
    Answer answer{};
    if (!takeAnswer(Kind::Dialog, request, answer) || !answer.script)
        return QDialog::Rejected;
    return answer.script(dialog);
}

QString ScriptedDialogHost::fileName(Kind kind, const FileRequest &file)
{
    Request request;
    request.kind = kind;
    request.title = file.caption;
    request.text = file.filter;
    request.folder = file.folder;
    Answer answer{};
    return takeAnswer(kind, request, answer) ? answer.path : QString();
}

QString ScriptedDialogHost::chooseOpenFile(const FileRequest &request)
{
    return fileName(Kind::OpenFile, request);
}

QString ScriptedDialogHost::chooseSaveFile(const FileRequest &request)
{
    return fileName(Kind::SaveFile, request);
}

int ScriptedDialogHost::runProgress(DialogProgress &dialog)
{
    Request request;
    request.kind = Kind::Progress;
    request.title = dialog.windowTitle();
    request.objectName = dialog.objectName();
    if (const auto *info = dialog.findChild<QLabel *>(QStringLiteral("lblInfo")))
        request.text = info->text();
    Answer answer{Kind::Progress, int(Progress::LetRun), {}, {}};
    takeAnswer(Kind::Progress, request, answer);

    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::exit);
    // Gone with its window: the run ends as a modal one would.
    QObject::connect(&dialog, &QObject::destroyed, &loop, [&loop] { loop.exit(QDialog::Rejected); });
    QPointer<DialogProgress> guard(&dialog);
    QTimer::singleShot(progressGuardMs, &loop, [guard] {
        qWarning("ScriptedDialogHost: the operation did not end; its progress dialog is cancelled");
        if (guard)
            guard->reject();
    });
    if (Progress(answer.value) == Progress::Cancel) {
        QTimer::singleShot(0, &dialog, [guard] {
            if (auto *cancel = guard ? guard->findChild<QAbstractButton *>(QStringLiteral("btnCancel")) : nullptr)
                cancel->click();
        });
    }
    // Shown, not run modally: the operation finishes it through finish(),
    // which accepts only a visible dialog.
    dialog.show();
    return loop.exec();
}
