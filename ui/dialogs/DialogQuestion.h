#pragma once

#include "ui/dialogs/DialogHost.h"
#include "ui/frame/FramelessDialog.h"

#include <QString>

namespace Ui {
class DialogQuestion;
}

// The program's message and question box. Buttons with an empty text are
// hidden, so a message has one button and a question two or three.
class DialogQuestion : public FramelessDialog
{
    Q_OBJECT

public:
    DialogQuestion(QWidget *parent, const QString &title, const QString &text, const QString &positive,
                   QuestionIcon icon = QuestionIcon::None, const QString &negative = QString(),
                   const QString &neutral = QString());
    ~DialogQuestion() override;

    QuestionResult answer() const { return m_result; }

    // Empty for None.
    static QString iconPath(QuestionIcon icon);


private:
    // Ends the dialog with the answer as a button or the title bar gives it.
    void answerWith(QuestionResult answer);

    Ui::DialogQuestion *ui;
    QuestionResult m_result = QuestionResult::Neutral;
};
