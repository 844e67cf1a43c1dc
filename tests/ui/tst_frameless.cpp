#include "ui/frame/CFramelessWindow.h"
#include "ui/frame/FrameLess.h"
#include "tests/support/TestRows.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

const QString rows = QStringLiteral("ui/widgets.rows");
constexpr int border = 5;

// Mouse events sent straight to a widget, with the global position taken
// from its place on the screen rather than from the platform's cursor.
void send(QWidget *widget, QEvent::Type type, const QPoint &localPos, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, localPos, widget->mapToGlobal(localPos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void dragTo(QWidget *widget, const QPoint &globalPos)
{
    send(widget, QEvent::MouseMove, widget->mapFromGlobal(globalPos), Qt::LeftButton);
}

// Pressed at a point of the widget, moved to a place on the screen, released there.
void drag(QWidget *widget, const QPoint &localPos, const QPoint &globalPos, QWidget *mover = nullptr)
{
    send(widget, QEvent::MouseButtonPress, localPos, Qt::LeftButton);
    mover = mover ? mover : widget;
    dragTo(mover, globalPos);
    send(mover, QEvent::MouseButtonRelease, mover->mapFromGlobal(globalPos), Qt::NoButton);
}

QPoint point(const QList<int> &xy)
{
    return QPoint(xy.value(0), xy.value(1));
}

int hit(const QString &name)
{
    return QMetaEnum::fromType<CFramelessWindow::HitTest>().keyToValue(qPrintable(name));
}

// A main window laid out like the program's: a title bar with a logo, the
// title and a button, above an empty body.
struct MainWindowFixture {
    CFramelessWindow window;
    QWidget *titleBar = new QWidget;
    QLabel *logo = new QLabel(QStringLiteral("logo"));
    QLabel *lblTitle = new QLabel(QStringLiteral("QLX Zentick"));
    QToolButton *btnMinimize = new QToolButton;

    MainWindowFixture()
    {
        auto *central = new QWidget;
        auto *column = new QVBoxLayout(central);
        column->setContentsMargins(0, 0, 0, 0);
        titleBar->setFixedHeight(32);
        auto *row = new QHBoxLayout(titleBar);
        row->setContentsMargins(10, 0, 10, 0);
        lblTitle->setObjectName(QStringLiteral("lblTitle"));
        btnMinimize->setFixedSize(30, 30);
        row->addWidget(logo);
        row->addWidget(lblTitle);
        row->addStretch();
        row->addWidget(btnMinimize);
        column->addWidget(titleBar);
        column->addStretch();
        window.setCentralWidget(central);
        window.setTitleBar(titleBar);
        window.addIgnoreWidget(logo);
        window.addIgnoreWidget(lblTitle);
        window.resize(400, 300);
        window.move(40, 50);
        window.show();
    }

    QPoint centreOf(QWidget *widget) const { return widget->mapToGlobal(widget->rect().center()); }
};

} // namespace

class TestFrameless : public QObject
{
    Q_OBJECT

private slots:
    void edgeCalculation_data() { TestRows::add(rows); }
    void edgeCalculation();
    void hitTestBands_data() { TestRows::add(rows); }
    void hitTestBands();
    void titleBarHitTest_data() { TestRows::add(rows); }
    void titleBarHitTest();
    void mainWindowResizeKeepsFixedWidth();
    void maximisingAddsFrameMargins();
    void monitorChangeWidensByOnePixel();
    void dialogDragAndResize_data() { TestRows::add(rows); }
    void dialogDragAndResize();
    void dialogHoverCursor_data() { TestRows::add(rows); }
    void dialogHoverCursor();
};

void TestFrameless::edgeCalculation()
{
    QFETCH(QList<int>, pos);
    QFETCH(QString, edge);
    QCOMPARE(int(FrameLess::calculateEdge(point(pos), QRect(100, 100, 200, 150), border)),
             QMetaEnum::fromType<FrameLess::Edge>().keyToValue(qPrintable(edge)));
}

void TestFrameless::hitTestBands()
{
    QFETCH(QList<int>, pos);
    QFETCH(QList<int>, minimum);
    QFETCH(QList<int>, maximum);
    QFETCH(QString, expected);
    QCOMPARE(int(CFramelessWindow::hitTestBands(point(pos), QRect(0, 0, 400, 300), border, QSize(minimum[0], minimum[1]),
                                                QSize(maximum[0], maximum[1]))),
             hit(expected));
}

void TestFrameless::titleBarHitTest()
{
    QFETCH(QString, target);
    QFETCH(bool, resizeable);
    QFETCH(QString, expected);

    MainWindowFixture f;
    f.window.setResizeable(resizeable);
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    const QRect frame = f.window.frameGeometry();
    const QMap<QString, QPoint> points{
        {"lblTitle", f.centreOf(f.lblTitle)},
        {"logo", f.centreOf(f.logo)},
        {"button", f.centreOf(f.btnMinimize)},
        {"titlebar", f.titleBar->mapToGlobal(QPoint(f.titleBar->width() / 2 + 20, 16))},
        {"body", frame.center()},
        {"titlebar-left-border", QPoint(frame.left() + 1, frame.top() + 16)},
        {"bottom-border", QPoint(frame.center().x(), frame.bottom() - 1)},
    };
    QVERIFY(points.contains(target));
    QCOMPARE(int(f.window.hitTest(points.value(target))), hit(expected));

    // A press on a widget of the title bar drags the window only where it is caption.
    const QMap<QString, QWidget *> widgets{{"lblTitle", f.lblTitle}, {"logo", f.logo}, {"button", f.btnMinimize}};
    if (QWidget *widget = widgets.value(target)) {
        const QPoint start = f.window.pos();
        drag(widget, widget->rect().center(), f.centreOf(widget) + QPoint(30, 20));
        QCOMPARE(f.window.pos(), expected == "HitCaption" ? start + QPoint(30, 20) : start);
    }
}

void TestFrameless::mainWindowResizeKeepsFixedWidth()
{
    MainWindowFixture f;
    f.window.setMinimumSize(200, 150);
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));

    // The bottom-right corner resizes both ways; the window follows until its minimum.
    QWidget *body = f.window.centralWidget();
    const QRect before = f.window.geometry();
    const QPoint corner = before.bottomRight() - QPoint(1, 1);
    send(body, QEvent::MouseButtonPress, body->mapFromGlobal(corner), Qt::LeftButton);
    dragTo(body, corner + QPoint(40, 30));
    QCOMPARE(f.window.size(), before.size() + QSize(40, 30));
    dragTo(body, corner - QPoint(1000, 1000));
    QCOMPARE(f.window.size(), QSize(200, 150));
    QCOMPARE(f.window.pos(), before.topLeft());
    send(body, QEvent::MouseButtonRelease, body->mapFromGlobal(corner), Qt::NoButton);

    // With equal width limits the same corner only resizes vertically.
    f.window.setFixedWidth(300);
    const QRect fixed = f.window.geometry();
    const QPoint fixedCorner = fixed.bottomRight() - QPoint(1, 1);
    QCOMPARE(int(f.window.hitTest(fixedCorner)), int(CFramelessWindow::HitBottom));
    drag(body, body->mapFromGlobal(fixedCorner), fixedCorner + QPoint(50, 20));
    QCOMPARE(f.window.size(), QSize(300, fixed.height() + 20));
}

void TestFrameless::maximisingAddsFrameMargins()
{
    MainWindowFixture f;
    f.window.setContentsMargins(1, 2, 3, 4);
    f.window.setMaximizedFrames(QMargins(8, 8, 8, 8));
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));

    f.window.showMaximized();
    QTRY_VERIFY(f.window.isMaximized());
    QCOMPARE(f.window.contentsMargins(), QMargins(9, 10, 11, 12));
    f.window.showNormal();
    QTRY_VERIFY(!f.window.isMaximized());
    QCOMPARE(f.window.contentsMargins(), QMargins(1, 2, 3, 4));
    QCOMPARE(f.window.frames(), QMargins());
}

void TestFrameless::monitorChangeWidensByOnePixel()
{
    MainWindowFixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    const int width = f.window.width();
    // Another screen than the one the window was on; the offscreen platform has only one.
    QVERIFY(QMetaObject::invokeMethod(&f.window, "onScreenChanged", Q_ARG(QScreen *, nullptr)));
    QTRY_COMPARE_WITH_TIMEOUT(f.window.width(), width + 1, 5000);
    QCOMPARE(f.window.height(), 300);
}

void TestFrameless::dialogDragAndResize()
{
    QFETCH(QList<int>, press);
    QFETCH(QList<int>, delta);
    QFETCH(QList<int>, change);

    QDialog dialog;
    auto *frameLess = new FrameLess(&dialog);
    auto *column = new QVBoxLayout(&dialog);
    column->setContentsMargins(0, 0, 0, 0);
    auto *titleBar = new QWidget;
    titleBar->setFixedHeight(30);
    column->addWidget(titleBar);
    column->addStretch();
    frameLess->setTitleBar(titleBar);
    dialog.setMinimumSize(200, 120);
    dialog.setGeometry(200, 150, 300, 200);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QRect before = dialog.geometry();

    QWidget *receiver = dialog.childAt(point(press)) ? dialog.childAt(point(press)) : &dialog;
    drag(receiver, receiver->mapFrom(&dialog, point(press)), dialog.mapToGlobal(point(press)) + point(delta), &dialog);

    const QRect after = dialog.geometry();
    QCOMPARE((QList<int>{after.x() - before.x(), after.y() - before.y(), after.width() - before.width(),
                         after.height() - before.height()}),
             change);
    QVERIFY(!frameLess->isDragging());

    // The title bar looks inactive while another window has the focus.
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&dialog, &deactivate);
    QVERIFY(!titleBar->isEnabled());
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&dialog, &activate);
    QVERIFY(titleBar->isEnabled());
}

void TestFrameless::dialogHoverCursor()
{
    QFETCH(QList<int>, pos);
    QFETCH(bool, maximised);
    QFETCH(int, cursor);

    QDialog dialog;
    new FrameLess(&dialog);
    dialog.setGeometry(200, 150, 300, 200);
    maximised ? dialog.showMaximized() : dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    if (maximised)
        QTRY_VERIFY(dialog.isMaximized());
    QHoverEvent hover(QEvent::HoverMove, point(pos), point(pos));
    QApplication::sendEvent(&dialog, &hover);
    QCOMPARE(int(dialog.cursor().shape()), cursor);

    // Leaving the dialog takes the resize cursor away again.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&dialog, &leave);
    QCOMPARE(int(dialog.cursor().shape()), int(Qt::ArrowCursor));
}

QTEST_MAIN(TestFrameless)
#include "tst_frameless.moc"
