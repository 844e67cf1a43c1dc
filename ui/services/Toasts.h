#pragma once

#include "ui/widgets/Toast.h"

#include <QObject>
#include <QPointer>

class WidgetToaster;

// The short notes a page shows after an operation ("Clock Hall data
// refreshed"). They stack at the right edge of the area the window attaches,
// below its tool bar, at most maxToasts at once, and follow the area's size
// and the theme. Without an area (a page built alone) they are only announced.
class Toasts : public QObject
{
    Q_OBJECT

public:
    static constexpr int maxToasts = 5;

    explicit Toasts(QObject *parent = nullptr);
    ~Toasts() override;

    // The toasts stack on area, below topBar as high as it is when the first
    // one shows.
    void attach(QWidget *area, QWidget *topBar);
    void show(const QString &text, ToastType type);
    // Null until the first toast was shown on an area.
    WidgetToaster *toaster() const;

public slots:
    // The toasts on screen in the current theme's colours.
    void applyTheme();

signals:
    void shown(const QString &text, ToastType type);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_area;
    QPointer<QWidget> m_topBar;
    QPointer<WidgetToaster> m_toaster;
};
