#include "CFramelessWindow.h"
#include "FrameLess.h"
#include "MouseHelpers.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

constexpr int border = 5;
const QSize unbounded(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

// A main window laid out like the program's: a title bar with a logo, the
// title and a button, above an empty body.
struct MainWindowFixture {
    CFramelessWindow window;
    QWidget *titleBar;
    QLabel *logo;
    QLabel *lblTitle;
    QToolButton *btnMinimize;

    MainWindowFixture()
    {
        auto *central = new QWidget;
        auto *column = new QVBoxLayout(central);
        column->setContentsMargins(0, 0, 0, 0);
        titleBar = new QWidget;
        titleBar->setFixedHeight(32);
        auto *row = new QHBoxLayout(titleBar);
        row->setContentsMargins(10, 0, 10, 0);
        logo = new QLabel(QStringLiteral("logo"));
        lblTitle = new QLabel(QStringLiteral("QLX Zentick"));
        lblTitle->setObjectName(QStringLiteral("lblTitle"));
        btnMinimize = new QToolButton;
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
    void edgeCalculation_data();
    void edgeCalculation();
    void hitTestBands_data();
    void hitTestBands();
    void titleBarHitTest_data();
    void titleBarHitTest();
    void mainWindowDragByCaptionOnly_data();
    void mainWindowDragByCaptionOnly();
    void mainWindowResizeKeepsFixedWidth();
    void maximisingAddsFrameMargins();
    void monitorChangeWidensByOnePixel();
    void dialogDragAndResize_data();
    void dialogDragAndResize();
    void dialogTitleBarFollowsActivation();
    void dialogHoverCursor_data();
    void dialogHoverCursor();
};

void TestFrameless::edgeCalculation_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("edge");

    // Frame (100, 100) to (300, 250), border 5.
    QTest::newRow("left border, mid height") << QPoint(100, 175) << int(FrameLess::Left);
    QTest::newRow("left band reaches outside the frame") << QPoint(96, 175) << int(FrameLess::Left);
    QTest::newRow("beyond the left band") << QPoint(94, 175) << int(FrameLess::None);
    QTest::newRow("right border") << QPoint(300, 175) << int(FrameLess::Right);
    QTest::newRow("right of the frame") << QPoint(301, 175) << int(FrameLess::None);
    QTest::newRow("bottom border") << QPoint(200, 250) << int(FrameLess::Bottom);
    QTest::newRow("top border") << QPoint(200, 102) << int(FrameLess::Top);
    QTest::newRow("bottom-left corner") << QPoint(102, 248) << int(FrameLess::BottomLeft);
    QTest::newRow("bottom-right corner") << QPoint(298, 248) << int(FrameLess::BottomRight);
    QTest::newRow("top-right corner") << QPoint(298, 102) << int(FrameLess::TopRight);
    QTest::newRow("top-left corner") << QPoint(102, 102) << int(FrameLess::TopLeft);
    QTest::newRow("left side where the corner starts goes to the side") << QPoint(100, 105) << int(FrameLess::Left);
    QTest::newRow("inside the body") << QPoint(200, 175) << int(FrameLess::None);
}

void TestFrameless::edgeCalculation()
{
    QFETCH(QPoint, pos);
    QFETCH(int, edge);
    QCOMPARE(int(FrameLess::calculateEdge(pos, QRect(100, 100, 200, 150), border)), edge);
}

void TestFrameless::hitTestBands_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QSize>("maximum");
    QTest::addColumn<int>("expected");

    const QSize small(100, 100);
    QTest::newRow("left band") << QPoint(2, 150) << small << unbounded << int(CFramelessWindow::HitLeft);
    QTest::newRow("band is five pixels wide") << QPoint(5, 150) << small << unbounded
                                              << int(CFramelessWindow::HitNowhere);
    QTest::newRow("right band") << QPoint(397, 150) << small << unbounded << int(CFramelessWindow::HitRight);
    QTest::newRow("right edge is outside") << QPoint(400, 150) << small << unbounded
                                           << int(CFramelessWindow::HitNowhere);
    QTest::newRow("top band") << QPoint(200, 2) << small << unbounded << int(CFramelessWindow::HitTop);
    QTest::newRow("bottom band") << QPoint(200, 297) << small << unbounded << int(CFramelessWindow::HitBottom);
    QTest::newRow("top-left corner") << QPoint(2, 2) << small << unbounded << int(CFramelessWindow::HitTopLeft);
    QTest::newRow("top-right corner") << QPoint(397, 2) << small << unbounded << int(CFramelessWindow::HitTopRight);
    QTest::newRow("bottom-left corner") << QPoint(2, 297) << small << unbounded
                                        << int(CFramelessWindow::HitBottomLeft);
    QTest::newRow("bottom-right corner") << QPoint(397, 297) << small << unbounded
                                         << int(CFramelessWindow::HitBottomRight);
    QTest::newRow("interior") << QPoint(200, 150) << small << unbounded << int(CFramelessWindow::HitNowhere);

    const QSize fixedWidthMin(400, 100);
    const QSize fixedWidthMax(400, QWIDGETSIZE_MAX);
    QTest::newRow("equal width limits: no left band") << QPoint(2, 150) << fixedWidthMin << fixedWidthMax
                                                      << int(CFramelessWindow::HitNowhere);
    QTest::newRow("equal width limits: no right band") << QPoint(397, 150) << fixedWidthMin << fixedWidthMax
                                                       << int(CFramelessWindow::HitNowhere);
    QTest::newRow("equal width limits: top still resizes") << QPoint(200, 2) << fixedWidthMin << fixedWidthMax
                                                           << int(CFramelessWindow::HitTop);
    QTest::newRow("equal width limits: bottom still resizes") << QPoint(200, 297) << fixedWidthMin << fixedWidthMax
                                                              << int(CFramelessWindow::HitBottom);
    QTest::newRow("equal width limits: corner is only vertical") << QPoint(2, 297) << fixedWidthMin
                                                                 << fixedWidthMax << int(CFramelessWindow::HitBottom);
    QTest::newRow("equal height limits: no bottom band") << QPoint(200, 297) << QSize(100, 300)
                                                         << QSize(QWIDGETSIZE_MAX, 300)
                                                         << int(CFramelessWindow::HitNowhere);
    QTest::newRow("equal height limits: right still resizes") << QPoint(397, 150) << QSize(100, 300)
                                                              << QSize(QWIDGETSIZE_MAX, 300)
                                                              << int(CFramelessWindow::HitRight);
}

void TestFrameless::hitTestBands()
{
    QFETCH(QPoint, pos);
    QFETCH(QSize, minimum);
    QFETCH(QSize, maximum);
    QFETCH(int, expected);
    QCOMPARE(int(CFramelessWindow::hitTestBands(pos, QRect(0, 0, 400, 300), border, minimum, maximum)), expected);
}

void TestFrameless::titleBarHitTest_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("resizeable");
    QTest::addColumn<int>("expected");

    QTest::newRow("title label is caption") << "lblTitle" << true << int(CFramelessWindow::HitCaption);
    QTest::newRow("logo on the ignore list is caption") << "logo" << true << int(CFramelessWindow::HitCaption);
    QTest::newRow("bare title bar is caption") << "titlebar" << true << int(CFramelessWindow::HitCaption);
    QTest::newRow("button on the title bar is not caption") << "button" << true << int(CFramelessWindow::HitClient);
    QTest::newRow("body below the title bar") << "body" << true << int(CFramelessWindow::HitClient);
    QTest::newRow("left border over the title bar resizes") << "titlebar-left-border" << true
                                                             << int(CFramelessWindow::HitLeft);
    QTest::newRow("not resizeable: border over the title bar is caption") << "titlebar-left-border" << false
                                                                          << int(CFramelessWindow::HitCaption);
    QTest::newRow("not resizeable: bottom border is client") << "bottom-border" << false
                                                             << int(CFramelessWindow::HitClient);
}

void TestFrameless::titleBarHitTest()
{
    QFETCH(QString, target);
    QFETCH(bool, resizeable);
    QFETCH(int, expected);

    MainWindowFixture f;
    f.window.setResizeable(resizeable);
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    const QRect frame = f.window.frameGeometry();
    QPoint pos;
    if (target == "lblTitle")
        pos = f.centreOf(f.lblTitle);
    else if (target == "logo")
        pos = f.centreOf(f.logo);
    else if (target == "button")
        pos = f.centreOf(f.btnMinimize);
    else if (target == "titlebar")
        pos = f.titleBar->mapToGlobal(QPoint(f.titleBar->width() / 2 + 20, 16));
    else if (target == "body")
        pos = frame.center();
    else if (target == "titlebar-left-border")
        pos = QPoint(frame.left() + 1, frame.top() + 16);
    else if (target == "bottom-border")
        pos = QPoint(frame.center().x(), frame.bottom() - 1);
    QCOMPARE(int(f.window.hitTest(pos)), expected);
}

void TestFrameless::mainWindowDragByCaptionOnly_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("moves");

    QTest::newRow("press on lblTitle drags") << "lblTitle" << true;
    QTest::newRow("press on a title-bar button does not") << "button" << false;
}

void TestFrameless::mainWindowDragByCaptionOnly()
{
    QFETCH(QString, target);
    QFETCH(bool, moves);

    MainWindowFixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QWidget *widget = target == "lblTitle" ? static_cast<QWidget *>(f.lblTitle) : f.btnMinimize;
    const QPoint start = f.window.pos();
    const QPoint grip = widget->rect().center();
    const QPoint globalGrip = widget->mapToGlobal(grip);

    MouseHelpers::press(widget, grip);
    MouseHelpers::dragTo(widget, globalGrip + QPoint(30, 20));
    MouseHelpers::release(widget, globalGrip + QPoint(30, 20));
    QCOMPARE(f.window.pos(), moves ? start + QPoint(30, 20) : start);
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
    MouseHelpers::press(body, body->mapFromGlobal(corner));
    MouseHelpers::dragTo(body, corner + QPoint(40, 30));
    QCOMPARE(f.window.size(), before.size() + QSize(40, 30));
    MouseHelpers::dragTo(body, corner - QPoint(1000, 1000));
    QCOMPARE(f.window.size(), QSize(200, 150));
    QCOMPARE(f.window.pos(), before.topLeft());
    MouseHelpers::release(body, corner);

    // With equal width limits the same corner only resizes vertically.
    f.window.setFixedWidth(300);
    const QRect fixed = f.window.geometry();
    const QPoint fixedCorner = fixed.bottomRight() - QPoint(1, 1);
    QCOMPARE(int(f.window.hitTest(fixedCorner)), int(CFramelessWindow::HitBottom));
    MouseHelpers::press(body, body->mapFromGlobal(fixedCorner));
    MouseHelpers::dragTo(body, fixedCorner + QPoint(50, 20));
    MouseHelpers::release(body, fixedCorner + QPoint(50, 20));
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

void TestFrameless::dialogDragAndResize_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("expectedChange"); // added to x, y, width, height

    // Dialog 300 x 200 with a 30-pixel title bar and a minimum size of 200 x 120.
    QTest::newRow("drag by the title bar moves") << QPoint(150, 15) << QPoint(40, 25) << QRect(40, 25, 0, 0);
    QTest::newRow("press in the body does not move") << QPoint(150, 100) << QPoint(40, 25) << QRect(0, 0, 0, 0);
    QTest::newRow("right border widens") << QPoint(298, 100) << QPoint(30, 0) << QRect(0, 0, 30, 0);
    QTest::newRow("bottom-right corner grows both ways") << QPoint(298, 198) << QPoint(20, 10)
                                                         << QRect(0, 0, 20, 10);
    QTest::newRow("left border stops at the minimum width") << QPoint(1, 100) << QPoint(250, 0)
                                                            << QRect(100, 0, -100, 0);
    QTest::newRow("top border over the title bar resizes") << QPoint(150, 1) << QPoint(0, -20)
                                                           << QRect(0, -20, 0, 20);
    QTest::newRow("top border stops at the minimum height") << QPoint(150, 1) << QPoint(0, 500)
                                                            << QRect(0, 80, 0, -80);
}

void TestFrameless::dialogDragAndResize()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, delta);
    QFETCH(QRect, expectedChange);

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

    QWidget *receiver = dialog.childAt(press) ? dialog.childAt(press) : &dialog;
    MouseHelpers::press(receiver, receiver->mapFrom(&dialog, press));
    const QPoint target = dialog.mapToGlobal(press) + delta;
    MouseHelpers::dragTo(&dialog, target);
    MouseHelpers::release(&dialog, target);

    const QRect after = dialog.geometry();
    QCOMPARE(after.x() - before.x(), expectedChange.x());
    QCOMPARE(after.y() - before.y(), expectedChange.y());
    QCOMPARE(after.width() - before.width(), expectedChange.width());
    QCOMPARE(after.height() - before.height(), expectedChange.height());
    QVERIFY(!frameLess->isDragging());
}

void TestFrameless::dialogTitleBarFollowsActivation()
{
    QDialog dialog;
    auto *frameLess = new FrameLess(&dialog);
    auto *titleBar = new QWidget(&dialog);
    frameLess->setTitleBar(titleBar);

    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&dialog, &deactivate);
    QVERIFY(!titleBar->isEnabled());
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&dialog, &activate);
    QVERIFY(titleBar->isEnabled());
}

void TestFrameless::dialogHoverCursor_data()
{
    QTest::addColumn<QPoint>("pos"); // in a 300 x 200 dialog
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<int>("cursor");

    QTest::newRow("left border") << QPoint(1, 100) << false << int(Qt::SizeHorCursor);
    QTest::newRow("bottom border") << QPoint(150, 199) << false << int(Qt::SizeVerCursor);
    QTest::newRow("top-left corner") << QPoint(1, 1) << false << int(Qt::SizeFDiagCursor);
    QTest::newRow("bottom-left corner") << QPoint(1, 199) << false << int(Qt::SizeBDiagCursor);
    QTest::newRow("body") << QPoint(150, 100) << false << int(Qt::ArrowCursor);
    QTest::newRow("maximised: border keeps the arrow") << QPoint(1, 100) << true << int(Qt::ArrowCursor);
}

void TestFrameless::dialogHoverCursor()
{
    QFETCH(QPoint, pos);
    QFETCH(bool, maximised);
    QFETCH(int, cursor);

    QDialog dialog;
    new FrameLess(&dialog);
    dialog.setGeometry(200, 150, 300, 200);
    maximised ? dialog.showMaximized() : dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    if (maximised)
        QTRY_VERIFY(dialog.isMaximized());
    QHoverEvent hover(QEvent::HoverMove, pos, pos);
    QApplication::sendEvent(&dialog, &hover);
    QCOMPARE(int(dialog.cursor().shape()), cursor);

    // Leaving the dialog takes the resize cursor away again.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&dialog, &leave);
    QCOMPARE(int(dialog.cursor().shape()), int(Qt::ArrowCursor));
}

QTEST_MAIN(TestFrameless)
#include "tst_frameless.moc"
