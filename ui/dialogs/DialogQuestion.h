#pragma once

#include "FramelessDialog.h"

#include <QString>

namespace Ui {
class DialogQuestion;
}

// The picture beside a question; other values keep the form's own picture.
struct QuestionIcon {
    enum Value : int { None = 0, Info = 1, Warning = 2, Critical = 3, Question = 4 };
};

// The answers of DialogQuestion::Ask. Closing by the title bar is Negative.
struct QuestionResult {
    enum Value : int { Positive = 1, Neutral = 0, Negative = -1 };
};

// The program's message and question box. Buttons with an empty text are
// hidden, so a message has one button and a question two or three.
class DialogQuestion : public FramelessDialog
{
    Q_OBJECT

public:
    DialogQuestion(QWidget *parent, const QString &title, const QString &text, const QString &positive,
                   int icon = QuestionIcon::None, const QString &negative = QString(),
                   const QString &neutral = QString());
    ~DialogQuestion() override;

    // Asks through the current DialogHost (a modal run unless a test
    // installed a scripted host) and returns 1, 0 or -1 (QuestionResult).
    static int Ask(QWidget *parent, const QString &title, const QString &text, int icon, const QString &positive,
                   const QString &negative = QString(), const QString &neutral = QString());

    int answer() const { return m_result; }

    static QString iconPath(int icon);


private slots:
    void on_btnPositive_clicked();
    void on_btnNegative_clicked();
    void on_btnNeutral_clicked();
    void on_btnClose_clicked();

private:
    Ui::DialogQuestion *ui;
    int m_result = QuestionResult::Neutral;
};
