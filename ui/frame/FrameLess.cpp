#include "ui/frame/FrameLess.h"

#include <QEvent>
#include <QEventLoop>
#include <QHoverEvent>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QWidget>

#include <algorithm>

namespace {

bool inRange(int value, int low, int high)
{
    return low <= value && value <= high;
}

} // namespace

FrameLess::FrameLess(QWidget *target)
    : QObject(target)
    , m_target(target)
{
    m_target->setMouseTracking(true);
    m_target->setAttribute(Qt::WA_Hover);
    m_target->setWindowFlags((m_target->windowFlags() | Qt::FramelessWindowHint)
                             & ~Qt::WindowContextHelpButtonHint);
    // The native activation message of the frameless dialog has no portable
    // form; the dialog's own activation events give the same signal.
    m_target->installEventFilter(this);
}

FrameLess::~FrameLess() = default;

FrameLess::Edge FrameLess::calculateEdge(const QPoint &p, const QRect &r, int b)
{
    const int x = p.x();
    const int y = p.y();
    const int left = r.x();
    const int top = r.y();
    const int right = r.x() + r.width();
    const int bottom = r.y() + r.height();

    if (inRange(x, left - b, left + b) && inRange(y, top + b, bottom - b))
        return Left;
    if (inRange(x, right - b, right) && inRange(y, top + b, bottom - b))
        return Right;
    if (inRange(x, left + b, right - b) && inRange(y, bottom - b, bottom))
        return Bottom;
    if (inRange(x, left + b, right - b) && inRange(y, top, top + b))
        return Top;
    if (inRange(x, left, left + b) && inRange(y, bottom - b, bottom))
        return BottomLeft;
    if (inRange(x, right - b, right) && inRange(y, bottom - b, bottom))
        return BottomRight;
    if (inRange(x, right - b, right) && inRange(y, top, top + b))
        return TopRight;
    if (inRange(x, left, left + b) && inRange(y, top, top + b))
        return TopLeft;
    return None;
}

QRect FrameLess::resizedGeometry(const QRect &start, Edge edge, const QPoint &delta,
                                 const QSize &minimumSize, const QSize &maximumSize)
{
    const bool moveLeft = edge == Left || edge == TopLeft || edge == BottomLeft;
    const bool moveRight = edge == Right || edge == TopRight || edge == BottomRight;
    const bool moveTop = edge == Top || edge == TopLeft || edge == TopRight;
    const bool moveBottom = edge == Bottom || edge == BottomLeft || edge == BottomRight;

    // Inclusive coordinates, as QRect keeps them.
    int left = start.left();
    int top = start.top();
    int right = start.right();
    int bottom = start.bottom();
    const int minW = std::max(1, minimumSize.width());
    const int minH = std::max(1, minimumSize.height());
    const int maxW = std::max(minW, maximumSize.width());
    const int maxH = std::max(minH, maximumSize.height());

    if (moveLeft)
        left = std::clamp(left + delta.x(), right - maxW + 1, right - minW + 1);
    if (moveRight)
        right = std::clamp(right + delta.x(), left + minW - 1, left + maxW - 1);
    if (moveTop)
        top = std::clamp(top + delta.y(), bottom - maxH + 1, bottom - minH + 1);
    if (moveBottom)
        bottom = std::clamp(bottom + delta.y(), top + minH - 1, top + maxH - 1);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

Qt::CursorShape FrameLess::cursorForEdge(Edge edge)
{
    switch (edge) {
    case Top:
    case Bottom:
        return Qt::SizeVerCursor;
    case Left:
    case Right:
        return Qt::SizeHorCursor;
    case TopLeft:
    case BottomRight:
        return Qt::SizeFDiagCursor;
    case TopRight:
    case BottomLeft:
        return Qt::SizeBDiagCursor;
    case None:
        break;
    }
    return Qt::ArrowCursor;
}

void FrameLess::fadeIn()
{
    startFade(0.0, 1.0);
}

void FrameLess::fadeOut()
{
    QPointer<QPropertyAnimation> fade;
    startFade(1.0, 0.0);
    fade = m_fade;
    if (!fade)
        return;
    QEventLoop loop;
    connect(fade, &QPropertyAnimation::finished, &loop, &QEventLoop::quit);
    // A fade stopped early (the dialog went away) must not leave us waiting.
    connect(fade, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (fade->state() == QAbstractAnimation::Running)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void FrameLess::startFade(qreal from, qreal to)
{
    if (m_fade)
        m_fade->stop();
    m_target->setWindowOpacity(from);
    auto *fade = new QPropertyAnimation(m_target, "windowOpacity", m_target);
    fade->setDuration(fadeDurationMs);
    fade->setStartValue(from);
    fade->setEndValue(to);
    fade->setEasingCurve(QEasingCurve::InQuad);
    m_fade = fade;
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}

bool FrameLess::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_target)
        return QObject::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::HoverMove:
        onHoverMove(m_target->mapToGlobal(static_cast<QHoverEvent *>(event)->pos()));
        break;
    case QEvent::Leave:
        if (!m_leftPressed && m_cursorChanged) {
            m_target->unsetCursor();
            m_cursorChanged = false;
        }
        break;
    case QEvent::MouseButtonPress:
        return onMousePress(static_cast<QMouseEvent *>(event));
    case QEvent::MouseMove:
        if (m_leftPressed) {
            onMouseMove(static_cast<QMouseEvent *>(event));
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            m_leftPressed = false;
            m_dragging = false;
            m_edgeAtPress = None;
            return true;
        }
        break;
    case QEvent::WindowActivate:
        setActive(true);
        break;
    case QEvent::WindowDeactivate:
        setActive(false);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void FrameLess::onHoverMove(const QPoint &globalPos)
{
    if (m_target->isFullScreen() || m_target->isMaximized() || m_leftPressed)
        return;
    m_hoverEdge = calculateEdge(globalPos, m_target->frameGeometry(), m_borderWidth);
    if (m_hoverEdge == None) {
        if (m_cursorChanged)
            m_target->unsetCursor();
        m_cursorChanged = false;
    } else {
        m_target->setCursor(cursorForEdge(m_hoverEdge));
        m_cursorChanged = true;
    }
}

bool FrameLess::onMousePress(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    m_leftPressed = true;
    m_edgeAtPress = calculateEdge(event->globalPos(), m_target->frameGeometry(), m_borderWidth);
    m_startGeometry = m_target->geometry();
    m_pressGlobalPos = event->globalPos();

    // A press on a border resizes even where the title bar reaches the edge.
    if (m_edgeAtPress == None) {
        QRect dragArea;
        if (m_titleBar)
            dragArea = QRect(m_titleBar->mapTo(m_target, QPoint(0, 0)), m_titleBar->size());
        else
            dragArea = m_target->rect().adjusted(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
        if (dragArea.contains(event->pos())) {
            m_dragging = true;
            m_dragPos = event->pos();
        }
    }
    return true;
}

void FrameLess::onMouseMove(QMouseEvent *event)
{
    if (m_dragging) {
        m_target->move(m_target->frameGeometry().topLeft() + (event->pos() - m_dragPos));
    } else if (m_edgeAtPress != None) {
        m_target->setGeometry(resizedGeometry(m_startGeometry, m_edgeAtPress, event->globalPos() - m_pressGlobalPos,
                                              m_target->minimumSize(), m_target->maximumSize()));
    }
}

void FrameLess::setActive(bool active)
{
    if (m_titleBar)
        m_titleBar->setEnabled(active);
}
