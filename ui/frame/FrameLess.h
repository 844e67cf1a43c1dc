#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>

class QMouseEvent;
class QPropertyAnimation;
class QWidget;

// Gives a frameless dialog what the window manager would otherwise: resizing
// from its borders, moving by its title bar, resize cursors, a greyed title
// bar while another window is active, and short fades on show and close.
// Every dialog owns one.
class FrameLess : public QObject
{
    Q_OBJECT

public:
    enum Edge {
        None = 0,
        Left = 1,
        Top = 2,
        Right = 4,
        Bottom = 8,
        TopLeft = 16,
        TopRight = 32,
        BottomLeft = 64,
        BottomRight = 128,
    };
    Q_ENUM(Edge)

    static constexpr int defaultBorderWidth = 5;
    static constexpr int fadeDurationMs = 100;

    explicit FrameLess(QWidget *target);
    ~FrameLess() override;

    void setTitleBar(QWidget *titleBar) { m_titleBar = titleBar; }
    QWidget *titleBar() const { return m_titleBar; }
    int borderWidth() const { return m_borderWidth; }

    // Window opacity 0 to 1 in 100 ms; returns at once.
    void fadeIn();
    // Window opacity 1 to 0 in 100 ms; returns when the fade has ended,
    // processing events meanwhile.
    void fadeOut();

    // The border under a point for a frame rectangle: the first of Left,
    // Right, Bottom, Top, BottomLeft, BottomRight, TopRight, TopLeft that holds.
    static Edge calculateEdge(const QPoint &pos, const QRect &frame, int border);
    // The geometry after the sides named by the edge moved with the cursor by
    // delta since the press; no side passes the point where the size would
    // leave the minimum..maximum range.
    static QRect resizedGeometry(const QRect &start, Edge edge, const QPoint &delta,
                                 const QSize &minimumSize, const QSize &maximumSize);
    static Qt::CursorShape cursorForEdge(Edge edge);

    Edge hoverEdge() const { return m_hoverEdge; }
    bool isDragging() const { return m_dragging; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void startFade(qreal from, qreal to);
    void onHoverMove(const QPoint &globalPos);
    bool onMousePress(QMouseEvent *event);
    void onMouseMove(QMouseEvent *event);
    void setActive(bool active);

    QWidget *m_target;
    QPointer<QWidget> m_titleBar;
    QPointer<QPropertyAnimation> m_fade;
    bool m_cursorChanged = false;
    bool m_leftPressed = false;
    Edge m_edgeAtPress = None;
    Edge m_hoverEdge = None;
    int m_borderWidth = defaultBorderWidth;
    QPoint m_dragPos;
    // The frame and cursor at the press, so the border keeps its distance
    // from the cursor instead of jumping to it.
    QRect m_startGeometry;
    QPoint m_pressGlobalPos;
    bool m_dragging = false;
};
