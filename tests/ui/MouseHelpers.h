#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// Mouse events delivered straight to a widget, with the global position
// derived from its place on the screen. They go through the application's
// event filters and the propagation to parents like real ones, but do not
// depend on where the platform thinks the cursor is.
namespace MouseHelpers {

inline void send(QWidget *widget, QEvent::Type type, const QPoint &localPos, Qt::MouseButton button,
                 Qt::MouseButtons buttons)
{
    QMouseEvent event(type, localPos, widget->mapToGlobal(localPos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void press(QWidget *widget, const QPoint &localPos)
{
    send(widget, QEvent::MouseButtonPress, localPos, Qt::LeftButton, Qt::LeftButton);
}

// A move while the left button is held, to a point of the screen.
inline void dragTo(QWidget *widget, const QPoint &globalPos)
{
    send(widget, QEvent::MouseMove, widget->mapFromGlobal(globalPos), Qt::NoButton, Qt::LeftButton);
}

inline void release(QWidget *widget, const QPoint &globalPos)
{
    send(widget, QEvent::MouseButtonRelease, widget->mapFromGlobal(globalPos), Qt::LeftButton, Qt::NoButton);
}

} // namespace MouseHelpers
