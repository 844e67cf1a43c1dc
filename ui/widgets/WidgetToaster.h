#pragma once

#include "ui/widgets/Toast.h"

#include <QList>
#include <QTimer>
#include <QWidget>


namespace Ui {
class WidgetToaster;
}

// A transparent overlay at the right edge of the main window that stacks
// toasts. Only the toasts themselves take mouse input; the rest of the
// overlay lets clicks through to the window beneath.
class WidgetToaster : public QWidget
{
    Q_OBJECT

public:
    static constexpr int overlayWidth = 300;
    static constexpr int defaultTopOffset = 32;
    static constexpr int maskDelayMs = 1;

    explicit WidgetToaster(QWidget *parent = nullptr);
    ~WidgetToaster() override;

    Toast *add(const QString &text, ToastType type);
    // 0 means no limit.
    void setMaxToasts(int maxToasts) { m_maxToasts = maxToasts; }
    void setTopOffset(int topOffset) { m_topOffset = topOffset; }
    // Covers the right edge of an area of this size below the top offset.
    void place(int width, int height);
    // Durations of the toasts added from now on (tests shorten them).
    void setToastDurations(int fadeInMs, int showMs, int fadeOutMs);

    // The toasts counted against the limit, oldest first.
    QList<Toast *> toasts() const { return m_toasts; }
    static QString iconPath(ToastType type);

public slots:
    void onUpdateMask();

protected:
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void onToastDisappeared(Toast *toast);

private:
    Ui::WidgetToaster *ui;
    QList<Toast *> m_toasts;
    int m_maxToasts = 0;
    int m_topOffset = defaultTopOffset;
    int m_fadeInMs;
    int m_showMs;
    int m_fadeOutMs;
    QTimer m_maskTimer;
};
