#include "ui/widgets/Toast.h"

#include "ui_Toast.h"

#include <QGraphicsOpacityEffect>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QStyle>

Toast::Toast(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::Toast)
    , m_effect(new QGraphicsOpacityEffect(this))
{
    ui->setupUi(this);
    m_effect->setOpacity(0.0);
    setGraphicsEffect(m_effect);
}

Toast::~Toast()
{
    delete ui;
}

void Toast::setText(const QString &text)
{
    ui->label->setText(text);
}

QString Toast::text() const
{
    return ui->label->text();
}

void Toast::setIcon(const QPixmap &pixmap)
{
    ui->icon->setPixmap(pixmap);
}

void Toast::setDurations(int fadeInMs, int showMs, int fadeOutMs)
{
    m_fadeInMs = fadeInMs;
    m_showMs = showMs;
    m_fadeOutMs = fadeOutMs;
}

qreal Toast::opacity() const
{
    return m_effect->opacity();
}

void Toast::animate(qreal from, qreal to, int durationMs, void (Toast::*onFinished)())
{
    if (m_animation)
        m_animation->stop();
    auto *animation = new QPropertyAnimation(m_effect, "opacity", this);
    animation->setDuration(durationMs);
    animation->setStartValue(from);
    animation->setEndValue(to);
    animation->setEasingCurve(QEasingCurve::OutSine);
    connect(animation, &QPropertyAnimation::finished, this, onFinished);
    m_animation = animation;
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void Toast::fadeIn()
{
    if (m_closing)
        return;
    m_phase = FadingIn;
    animate(0.0, 1.0, m_fadeInMs, &Toast::onFadeInFinished);
}

void Toast::onFadeInFinished()
{
    if (m_closing)
        return;
    m_phase = Holding;
    animate(1.0, 1.0, m_showMs, &Toast::onHoldFinished);
}

void Toast::onHoldFinished()
{
    if (!m_closing)
        fadeOut();
}

void Toast::fadeOut()
{
    if (m_closing)
        return;
    m_closing = true;
    m_phase = FadingOut;
    // From wherever the fade-in had got to, so an early dismissal does not flash.
    const qreal from = m_effect->opacity();
    if (m_animation) {
        // Stopping deletes it; its finished signal must not start the hold.
        disconnect(m_animation, nullptr, this, nullptr);
        m_animation->stop();
    }
    animate(from, 0.0, m_fadeOutMs, &Toast::onFadeOutFinished);
}

void Toast::onFadeOutFinished()
{
    if (m_phase == Gone)
        return;
    m_phase = Gone;
    hide();
    emit Disappeared(this);
    deleteLater();
}

void Toast::setPressed(bool pressed)
{
    m_pressed = pressed;
    ui->wdtBody->setProperty("pressed", pressed);
    ui->wdtBody->style()->unpolish(ui->wdtBody);
    ui->wdtBody->style()->polish(ui->wdtBody);
    update();
}

void Toast::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setPressed(true);
    event->accept();
}

void Toast::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        if (rect().contains(event->pos()) && !m_closing)
            fadeOut();
        setPressed(false);
    }
    event->accept();
}
