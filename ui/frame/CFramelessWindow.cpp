#include "ui/frame/CFramelessWindow.h"

#include "ui/frame/FrameLess.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

namespace {

Qt::Edges edgesOf(CFramelessWindow::HitTest hit)
{
    switch (hit) {
    case CFramelessWindow::HitLeft:
        return Qt::LeftEdge;
    case CFramelessWindow::HitRight:
        return Qt::RightEdge;
    case CFramelessWindow::HitTop:
        return Qt::TopEdge;
    case CFramelessWindow::HitBottom:
        return Qt::BottomEdge;
    case CFramelessWindow::HitTopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case CFramelessWindow::HitTopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case CFramelessWindow::HitBottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case CFramelessWindow::HitBottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

FrameLess::Edge frameLessEdgeOf(CFramelessWindow::HitTest hit)
{
    switch (hit) {
    case CFramelessWindow::HitLeft:
        return FrameLess::Left;
    case CFramelessWindow::HitRight:
        return FrameLess::Right;
    case CFramelessWindow::HitTop:
        return FrameLess::Top;
    case CFramelessWindow::HitBottom:
        return FrameLess::Bottom;
    case CFramelessWindow::HitTopLeft:
        return FrameLess::TopLeft;
    case CFramelessWindow::HitTopRight:
        return FrameLess::TopRight;
    case CFramelessWindow::HitBottomLeft:
        return FrameLess::BottomLeft;
    case CFramelessWindow::HitBottomRight:
        return FrameLess::BottomRight;
    default:
        return FrameLess::None;
    }
}

bool isResizeBand(CFramelessWindow::HitTest hit)
{
    return hit >= CFramelessWindow::HitLeft && hit <= CFramelessWindow::HitBottomRight;
}

} // namespace

CFramelessWindow::CFramelessWindow(QWidget *parent)
    : QMainWindow(parent)
{
    applyWindowFlags();
    m_monitorTimer.setSingleShot(true);
    connect(&m_monitorTimer, &QTimer::timeout, this, &CFramelessWindow::onMonitorTimeout);
    // Bands and caption must be seen before any child handles the press, as
    // the native hit test would; so the window watches its own widgets'
    // mouse events at the application.
    qApp->installEventFilter(this);
}

CFramelessWindow::~CFramelessWindow()
{
    qApp->removeEventFilter(this);
}

void CFramelessWindow::applyWindowFlags()
{
    const bool wasVisible = isVisible();
    Qt::WindowFlags flags = windowFlags() | Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint;
    if (m_resizeable)
        flags |= Qt::WindowMaximizeButtonHint;
    else
        flags &= ~Qt::WindowMaximizeButtonHint;
    setWindowFlags(flags);
    if (wasVisible)
        setVisible(true);
}

void CFramelessWindow::addIgnoreWidget(QWidget *widget)
{
    if (!widget || m_ignoreList.contains(widget))
        return;
    m_ignoreList.append(widget);
}

void CFramelessWindow::setResizeable(bool resizeable)
{
    m_resizeable = resizeable;
    applyWindowFlags();
}

void CFramelessWindow::setContentsMargins(const QMargins &margins)
{
    m_margins = margins;
    QMainWindow::setContentsMargins(m_margins + m_frames);
}

void CFramelessWindow::setContentsMargins(int left, int top, int right, int bottom)
{
    setContentsMargins(QMargins(left, top, right, bottom));
}

void CFramelessWindow::setMaximizedFrames(const QMargins &frames)
{
    m_maximizedFrames = frames;
}

CFramelessWindow::HitTest CFramelessWindow::hitTestBands(const QPoint &p, const QRect &r, int b,
                                                         const QSize &minimumSize, const QSize &maximumSize)
{
    const int x = p.x();
    const int y = p.y();
    const int left = r.x();
    const int top = r.y();
    const int right = r.x() + r.width();
    const int bottom = r.y() + r.height();
    if (x < left || x >= right || y < top || y >= bottom)
        return HitNowhere;

    const bool resizeWidth = minimumSize.width() != maximumSize.width();
    const bool resizeHeight = minimumSize.height() != maximumSize.height();
    const bool nearLeft = x < left + b;
    const bool nearRight = x >= right - b;
    const bool nearTop = y < top + b;
    const bool nearBottom = y >= bottom - b;

    // Later tests win, so a corner beats its two sides and the top beats the bottom.
    HitTest result = HitNowhere;
    if (resizeWidth) {
        if (nearLeft)
            result = HitLeft;
        if (nearRight)
            result = HitRight;
    }
    if (resizeHeight) {
        if (nearBottom)
            result = HitBottom;
        if (nearTop)
            result = HitTop;
    }
    if (resizeWidth && resizeHeight) {
        if (nearLeft && nearBottom)
            result = HitBottomLeft;
        if (nearRight && nearBottom)
            result = HitBottomRight;
        if (nearLeft && nearTop)
            result = HitTopLeft;
        if (nearRight && nearTop)
            result = HitTopRight;
    }
    return result;
}

CFramelessWindow::HitTest CFramelessWindow::hitTest(const QPoint &globalPos) const
{
    if (m_resizeable && !isMaximized() && !isFullScreen()) {
        const HitTest band = hitTestBands(globalPos, frameGeometry(), m_borderWidth, minimumSize(), maximumSize());
        if (band != HitNowhere)
            return band;
    }
    if (!m_titleBar)
        return HitClient;
    const QPoint local = m_titleBar->mapFromGlobal(globalPos);
    if (!m_titleBar->rect().contains(local))
        return HitClient;
    QWidget *child = m_titleBar->childAt(local);
    if (!child || m_ignoreList.contains(child))
        return HitCaption;
    return HitClient;
}

void CFramelessWindow::showFullScreen()
{
    if (isMaximized()) {
        QMainWindow::setContentsMargins(m_margins);
        m_frames = QMargins();
    }
    QMainWindow::showFullScreen();
}

void CFramelessWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (QWindow *handle = windowHandle()) {
        connect(handle, &QWindow::screenChanged, this, &CFramelessWindow::onScreenChanged, Qt::UniqueConnection);
        if (!m_lastMonitor)
            m_lastMonitor = handle->screen();
    }
}

void CFramelessWindow::onScreenChanged(QScreen *screen)
{
    if (!isVisible() || screen == m_lastMonitor)
        return;
    m_lastMonitor = screen;
    m_monitorChanged = true;
    m_monitorTimer.start(monitorChangeDelayMs);
}

void CFramelessWindow::onMonitorTimeout()
{
    // A small resize makes the layout settle at the new screen's scale.
    if (!isMaximized())
        resize(width() + 1, height());
    m_monitorChanged = false;
}

void CFramelessWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        updateMaximizedMargins();
}

void CFramelessWindow::updateMaximizedMargins()
{
    if (isMaximized()) {
        m_frames = m_maximizedFrames;
        QMainWindow::setContentsMargins(m_margins + m_frames);
        m_justMaximized = true;
    } else if (m_justMaximized) {
        QMainWindow::setContentsMargins(m_margins);
        m_frames = QMargins();
        m_justMaximized = false;
    }
}

bool CFramelessWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove
        && type != QEvent::MouseButtonRelease)
        return QMainWindow::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this)
        return QMainWindow::eventFilter(watched, event);

    auto *mouse = static_cast<QMouseEvent *>(event);
    switch (type) {
    case QEvent::MouseButtonPress:
        return handleMousePress(widget, mouse);
    case QEvent::MouseButtonDblClick:
        if (mouse->button() == Qt::LeftButton && m_resizeable && hitTest(mouse->globalPos()) == HitCaption) {
            isMaximized() ? showNormal() : showMaximized();
            return true;
        }
        break;
    case QEvent::MouseMove:
        if (m_monitorChanged)
            m_monitorTimer.start(monitorRecheckDelayMs);
        if (m_dragging) {
            move(mouse->globalPos() - m_dragOffset);
            return true;
        }
        if (m_resizeEdge != 0) {
            setGeometry(FrameLess::resizedGeometry(m_resizeStart, FrameLess::Edge(m_resizeEdge),
                                                   mouse->globalPos() - m_pressGlobalPos, minimumSize(),
                                                   maximumSize()));
            return true;
        }
        if (mouse->buttons() == Qt::NoButton)
            updateHoverCursor(mouse->globalPos());
        break;
    case QEvent::MouseButtonRelease:
        if (mouse->button() == Qt::LeftButton && (m_dragging || m_resizeEdge != 0)) {
            m_dragging = false;
            m_resizeEdge = 0;
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CFramelessWindow::handleMousePress(QWidget *receiver, QMouseEvent *event)
{
    Q_UNUSED(receiver);
    if (event->button() != Qt::LeftButton)
        return false;
    const HitTest hit = hitTest(event->globalPos());
    QWindow *handle = windowHandle();
    if (isResizeBand(hit)) {
        // Where the window manager cannot take over, follow the mouse ourselves.
        if (!handle || !handle->startSystemResize(edgesOf(hit))) {
            m_resizeEdge = frameLessEdgeOf(hit);
            m_resizeStart = geometry();
            m_pressGlobalPos = event->globalPos();
        }
        return true;
    }
    if (hit == HitCaption) {
        if (!handle || !handle->startSystemMove()) {
            m_dragging = true;
            m_dragOffset = event->globalPos() - frameGeometry().topLeft();
        }
        return true;
    }
    return false;
}

void CFramelessWindow::updateHoverCursor(const QPoint &globalPos)
{
    const HitTest hit = hitTest(globalPos);
    if (isResizeBand(hit)) {
        setCursor(FrameLess::cursorForEdge(frameLessEdgeOf(hit)));
        m_cursorChanged = true;
    } else if (m_cursorChanged) {
        unsetCursor();
        m_cursorChanged = false;
    }
}
