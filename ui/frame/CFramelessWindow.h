#pragma once

#include <QList>
#include <QMainWindow>
#include <QMargins>
#include <QPointer>
#include <QTimer>

class QMouseEvent;
class QScreen;

// The base of the main window: no system caption, but resize borders, moving
// by the program's own title bar and the maximised frame margins behave like
// those of a normal window. The hit test decides, for a point of the screen,
// whether it is a resize band, the caption or ordinary client area; the
// window hands bands and caption to the window manager through
// QWindow::startSystemResize / startSystemMove.
class CFramelessWindow : public QMainWindow
{
    Q_OBJECT

public:
    // The answers of the hit test, numbered like the native ones so that a
    // native hook can return them unchanged.
    enum HitTest {
        HitNowhere = 0,
        HitClient = 1,
        HitCaption = 2,
        HitLeft = 10,
        HitRight = 11,
        HitTop = 12,
        HitTopLeft = 13,
        HitTopRight = 14,
        HitBottom = 15,
        HitBottomLeft = 16,
        HitBottomRight = 17,
    };
    Q_ENUM(HitTest)

    static constexpr int defaultBorderWidth = 5;
    static constexpr int monitorChangeDelayMs = 50;
    static constexpr int monitorRecheckDelayMs = 100;

    explicit CFramelessWindow(QWidget *parent = nullptr);
    ~CFramelessWindow() override;

    void setTitleBar(QWidget *titleBar) { m_titleBar = titleBar; }
    QWidget *titleBar() const { return m_titleBar; }
    void addIgnoreWidget(QWidget *widget);
    void setResizeable(bool resizeable);
    bool isResizeable() const { return m_resizeable; }
    void setContentsMargins(const QMargins &margins);
    void setContentsMargins(int left, int top, int right, int bottom);
    int borderWidth() const { return m_borderWidth; }

    // The resize band under a point of the screen (HitNowhere when none), for
    // a window rectangle whose right and bottom edges are exclusive.
    static HitTest hitTestBands(const QPoint &globalPos, const QRect &windowRect, int borderWidth,
                                const QSize &minimumSize, const QSize &maximumSize);
    // Bands first (when resizeable), then the title bar and its ignore list.
    HitTest hitTest(const QPoint &globalPos) const;

    // The margins added while maximised: the frame a native window would hide
    // beyond the screen edge. Zero where the window manager hides nothing.
    void setMaximizedFrames(const QMargins &frames);
    QMargins maximizedFrames() const { return m_maximizedFrames; }
    QMargins frames() const { return m_frames; }

public slots:
    void showFullScreen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private slots:
    void onScreenChanged(QScreen *screen);
    void onMonitorTimeout();

private:
    void applyWindowFlags();
    void updateMaximizedMargins();
    bool handleMousePress(QWidget *receiver, QMouseEvent *event);
    void updateHoverCursor(const QPoint &globalPos);

    QPointer<QWidget> m_titleBar;
    QList<QPointer<QWidget>> m_ignoreList;
    int m_borderWidth = defaultBorderWidth;
    QMargins m_margins;
    QMargins m_frames;
    QMargins m_maximizedFrames;
    bool m_justMaximized = false;
    bool m_resizeable = true;
    bool m_cursorChanged = false;
    // Used only where the window manager cannot move or resize for us.
    bool m_dragging = false;
    QPoint m_dragOffset;
    int m_resizeEdge = 0;
    QRect m_resizeStart;
    QPoint m_pressGlobalPos;
    QTimer m_monitorTimer;
    bool m_monitorChanged = false;
    QScreen *m_lastMonitor = nullptr;
};
