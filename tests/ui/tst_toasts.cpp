#include "Toast.h"
#include "TestRows.h"
#include "WidgetToaster.h"

#include <QLabel>
#include <QtTest>

class TestToasts : public QObject
{
    Q_OBJECT

private slots:
    void limitFadesOldest_data() { TestRows::add(QStringLiteral("ui/widgets.rows")); }
    void limitFadesOldest();
    void clickDismisses();
    void pressOutsideReleaseKeepsToast();
    void toastRunsItsCourse();
    void maskCoversToastsOnly();
};

namespace {

struct Host {
    QWidget window;
    WidgetToaster *toaster;

    Host()
    {
        window.resize(900, 600);
        toaster = new WidgetToaster(&window);
        toaster->setTopOffset(40);
        window.show();
    }
};

} // namespace

void TestToasts::limitFadesOldest()
{
    QFETCH(int, limit);
    QFETCH(int, added);
    QFETCH(int, fading);

    Host host;
    host.toaster->setMaxToasts(limit);
    QList<Toast *> all;
    for (int i = 0; i < added; ++i)
        all << host.toaster->add(QStringLiteral("Clock %1 configuration downloaded").arg(i), ToastType::Success);

    for (int i = 0; i < added; ++i) {
        const bool shouldFade = i < fading;
        QCOMPARE(all.at(i)->phase() == Toast::FadingOut, shouldFade);
        QCOMPARE(host.toaster->toasts().contains(all.at(i)), !shouldFade);
    }
    QCOMPARE(host.toaster->toasts().size(), added - fading);
    QCOMPARE(host.toaster->toasts().constLast()->text(), QStringLiteral("Clock %1 configuration downloaded").arg(added - 1));
}

void TestToasts::clickDismisses()
{
    Host host;
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    QPointer<Toast> toast = host.toaster->add(QStringLiteral("Group saved"), ToastType::Info);
    host.toaster->onUpdateMask();
    QSignalSpy disappeared(toast.data(), &Toast::Disappeared);

    QTest::mouseClick(toast, Qt::LeftButton, Qt::NoModifier, toast->rect().center());
    QCOMPARE(toast->phase(), Toast::FadingOut);
    QVERIFY(!toast->isPressed());

    QVERIFY(disappeared.wait(5000));
    QCOMPARE(disappeared.at(0).at(0).value<Toast *>(), toast.data());
    QTRY_VERIFY(toast.isNull());
    QVERIFY(host.toaster->toasts().isEmpty());
    // With nothing left to show, the overlay no longer covers the window.
    QTRY_VERIFY(!host.toaster->isVisible());
}

void TestToasts::pressOutsideReleaseKeepsToast()
{
    Host host;
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    Toast *toast = host.toaster->add(QStringLiteral("Saved"), ToastType::Success);
    QTest::mousePress(toast, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(toast->isPressed());
    QTest::mouseRelease(toast, Qt::LeftButton, Qt::NoModifier, QPoint(-20, 5));
    QVERIFY(!toast->isPressed());
    QCOMPARE(toast->phase(), Toast::FadingIn);
}

void TestToasts::toastRunsItsCourse()
{
    Host host;
    host.toaster->setToastDurations(20, 30, 20);
    QPointer<Toast> toast = host.toaster->add(QStringLiteral("Report written"), ToastType::Warning);
    QSignalSpy disappeared(toast.data(), &Toast::Disappeared);
    QTRY_COMPARE_WITH_TIMEOUT(toast->phase(), Toast::Holding, 5000);
    QCOMPARE(toast->opacity(), 1.0);
    QVERIFY(disappeared.wait(5000));
    QTRY_VERIFY(toast.isNull());
}

void TestToasts::maskCoversToastsOnly()
{
    Host host;
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    QVERIFY(!host.toaster->isVisible());

    Toast *first = host.toaster->add(QStringLiteral("First"), ToastType::Success);
    Toast *second = host.toaster->add(QStringLiteral("Second"), ToastType::Info);
    QCOMPARE(host.toaster->geometry(), QRect(600, 40, 300, 560));
    host.toaster->onUpdateMask();

    const QRegion mask = host.toaster->mask();
    const auto centreIn = [&](QWidget *w) { return w->mapTo(host.toaster, w->rect().center()); };
    QVERIFY(mask.contains(centreIn(first)));
    QVERIFY(mask.contains(centreIn(second)));
    // Below the toasts the overlay lets clicks through.
    QVERIFY(!mask.contains(QPoint(150, host.toaster->height() - 10)));
    QVERIFY(second->geometry().bottom() < host.toaster->height() - 10);

    // Moving with the window keeps the overlay on its right edge.
    host.toaster->place(1000, 700);
    QCOMPARE(host.toaster->geometry(), QRect(700, 40, 300, 660));
}

QTEST_MAIN(TestToasts)
#include "tst_toasts.moc"
