#pragma once

#include <QPointer>
#include <QWidget>

class QAbstractAnimation;
class QGraphicsOpacityEffect;

namespace Ui {
class Toast;
}

// The kinds of toast, each with its picture.
enum class ToastType : int { Success = 0, Info = 1, Warning = 2 };

// A short self-dismissing note: fades in, holds, fades out and deletes
// itself. A click dismisses it early.
class Toast : public QWidget
{
    Q_OBJECT

public:
    enum Phase { Idle, FadingIn, Holding, FadingOut, Gone };
    Q_ENUM(Phase)

    static constexpr int defaultFadeInMs = 500;
    static constexpr int defaultShowMs = 3000;
    static constexpr int defaultFadeOutMs = 300;

    explicit Toast(QWidget *parent = nullptr);
    ~Toast() override;

    void setText(const QString &text);
    QString text() const;
    void setIcon(const QPixmap &pixmap);
    void setDurations(int fadeInMs, int showMs, int fadeOutMs);
    int fadeOutMs() const { return m_fadeOutMs; }

    void fadeIn();
    // Does nothing once the toast is closing.
    void fadeOut();

    Phase phase() const { return m_phase; }
    bool isClosing() const { return m_closing; }
    bool isPressed() const { return m_pressed; }
    qreal opacity() const;

signals:
    void Disappeared(Toast *toast);

private slots:
    void onFadeInFinished();
    void onHoldFinished();
    void onFadeOutFinished();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void animate(qreal from, qreal to, int durationMs, void (Toast::*onFinished)());
    void setPressed(bool pressed);

    Ui::Toast *ui;
    QGraphicsOpacityEffect *m_effect;
    QPointer<QAbstractAnimation> m_animation;
    int m_fadeInMs = defaultFadeInMs;
    int m_showMs = defaultShowMs;
    int m_fadeOutMs = defaultFadeOutMs;
    Phase m_phase = Idle;
    bool m_pressed = false;
    bool m_closing = false;
};
