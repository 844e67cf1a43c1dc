#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Acts on the next modal dialog once its run has started: polls the
// application's modal widget from the event loop (so the test never sleeps)
// and hands it to the action. Gives up after the time-out so that a dialog
// that never appears fails the test instead of hanging it.
namespace ModalHelpers {

inline void whenModal(std::function<void(QWidget *)> action, int timeoutMs = 10000)
{
    auto *timer = new QTimer;
    auto *elapsed = new int(0);
    constexpr int pollMs = 10;
    timer->setInterval(pollMs);
    QObject::connect(timer, &QTimer::timeout, [timer, elapsed, action, timeoutMs] {
        QWidget *modal = QApplication::activeModalWidget();
        *elapsed += pollMs;
        if ((modal && modal->isVisible()) || *elapsed > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete elapsed;
            if (modal)
                action(modal);
        }
    });
    timer->start();
}

} // namespace ModalHelpers
