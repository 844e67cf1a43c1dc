#include "ui/dialogs/DialogQuestion.h"

#include "ui_DialogQuestion.h"

DialogQuestion::DialogQuestion(QWidget *parent, const QString &title, const QString &text, const QString &positive,
                               QuestionIcon icon, const QString &negative, const QString &neutral)
    : FramelessDialog(parent)
    , ui(new Ui::DialogQuestion)
{
    ui->setupUi(this);
    setWindowTitle(title);
    attachTitleBar(ui->wdtTitlebar, ui->lblTitle);
    connect(ui->btnPositive, &QAbstractButton::clicked, this, [this] { answerWith(QuestionResult::Positive); });
    connect(ui->btnNegative, &QAbstractButton::clicked, this, [this] { answerWith(QuestionResult::Negative); });
    connect(ui->btnNeutral, &QAbstractButton::clicked, this, [this] { answerWith(QuestionResult::Neutral); });
    connect(ui->btnClose, &QAbstractButton::clicked, this, [this] { answerWith(QuestionResult::Negative); });
    ui->label->setText(text);

    const auto setButton = [](QPushButton *button, const QString &buttonText) {
        button->setVisible(!buttonText.isEmpty());
        button->setText(buttonText);
    };
    setButton(ui->btnPositive, positive);
    setButton(ui->btnNegative, negative);
    setButton(ui->btnNeutral, neutral);

    if (icon == QuestionIcon::None) {
        ui->icon->hide();
    } else {
        const QString path = iconPath(icon);
        if (!path.isEmpty())
            ui->icon->setPixmap(QPixmap(path));
    }
    ui->checkBox->hide();
    ui->wdtCheckbox->hide();
}

DialogQuestion::~DialogQuestion()
{
    delete ui;
}

QString DialogQuestion::iconPath(QuestionIcon icon)
{
    switch (icon) {
    case QuestionIcon::Info:
        return QStringLiteral(":/icons/resources/icons/info.png");
    case QuestionIcon::Warning:
        return QStringLiteral(":/icons/resources/icons/warning.png");
    case QuestionIcon::Critical:
        return QStringLiteral(":/icons/resources/icons/critical.png");
    case QuestionIcon::Question:
        return QStringLiteral(":/icons/resources/icons/question.png");
    case QuestionIcon::None:
        break;
    }
    return QString();
}

void DialogQuestion::answerWith(QuestionResult answer)
{
    m_result = answer;
    switch (answer) {
    case QuestionResult::Positive:
        accept();
        break;
    case QuestionResult::Negative:
        reject();
        break;
    case QuestionResult::Neutral:
        close();
        break;
    }
}
