#include "ui/widgets/CustomHeaderedTable.h"
#include "ui/widgets/CustomTableHeader.h"
#include "ui/widgets/DoubleSpinBoxCustom.h"
#include "ui/widgets/ElideLabel.h"
#include "ui/widgets/IconLabel.h"
#include "ui/widgets/IpEdit.h"
#include "ui/widgets/MenuPopup.h"
#include "ui/widgets/PushButtonFlat.h"
#include "ui/widgets/TableItemCustom.h"
#include "tests/support/TestRows.h"
#include "desktop/ThemeManager.h"
#include "ui/widgets/Toast.h"
#include "ui/widgets/ToolButtonMenu.h"
#include "ui/widgets/WidgetToaster.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

namespace {
const QString rows = QStringLiteral("ui/widgets.rows");
}

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    void ipEdit_data() { TestRows::add(rows); }
    void ipEdit();
    void pointKeyEntersComma_data() { TestRows::add(rows); }
    void pointKeyEntersComma();
    void selectionBar_data() { TestRows::add(rows); }
    void selectionBar();
    void headerClicksSort_data() { TestRows::add(rows); }
    void headerClicksSort();
    void headerWidgetFollowsSection();
    void headerWidgetReplaced_data() { TestRows::add(rows); }
    void headerWidgetReplaced();
    void tableItemHidesEmptyLines_data() { TestRows::add(rows); }
    void tableItemHidesEmptyLines();
    void tableItemSignalsCarryRow();
    void elideLabelShortensText();
    void pushButtonFlatIcon_data() { TestRows::add(rows); }
    void pushButtonFlatIcon();
    void iconLabelTakesTextColour();
    void menuPopupReturnsChosenAction();
    void limitFadesOldest_data() { TestRows::add(rows); }
    void limitFadesOldest();
    void toastEnds_data() { TestRows::add(rows); }
    void toastEnds();
    void maskCoversToastsOnly();
};

void TestWidgets::ipEdit()
{
    QFETCH(QString, text);
    QFETCH(int, state);
    IpEdit edit;
    int pos = text.size();
    QCOMPARE(int(edit.validator()->validate(text, pos)), state);

    // Typing goes through the same check: a refused text never reaches the field.
    QTest::keyClicks(&edit, text);
    QCOMPARE(edit.text() == text, state != QValidator::Invalid);
}

void TestWidgets::pointKeyEntersComma()
{
    QFETCH(bool, keypad);
    QFETCH(QString, separator);

    DoubleSpinBoxCustom box;
    box.setRange(-10.0, 10.0);
    box.setDecimals(1);
    QLineEdit *edit = box.findChild<QLineEdit *>();
    QVERIFY(edit);
    edit->clear();
    QTest::keyClick(&box, Qt::Key_1);
    QTest::keyClick(&box, separator.at(0).toLatin1(), keypad ? Qt::KeypadModifier : Qt::NoModifier);
    QTest::keyClick(&box, Qt::Key_5);
    QCOMPARE(edit->text(), QStringLiteral("1,5"));
    box.interpretText();
    QCOMPARE(box.value(), 1.5);
}

void TestWidgets::selectionBar()
{
    QFETCH(QString, position);
    QFETCH(QList<int>, barRect);
    const QRect bar(barRect.at(0), barRect.at(1), barRect.at(2), barRect.at(3));

    // The properties come from a style sheet, as in the program's themes.
    const QColor barColour(255, 0, 0);
    ToolButtonMenu button;
    button.setStyleSheet(QStringLiteral("ToolButtonMenu { background-color: #000000; border: none;"
                                        " qproperty-selectionColor: #FF0000; qproperty-seletionSize: 4;"
                                        " qproperty-selectionPosition: \"%1\"; }")
                             .arg(position));
    button.setFixedSize(40, 30);
    button.ensurePolished();
    QCOMPARE(button.selectionPosition(), position);

    const auto barPixels = [&](const QImage &image) {
        int inside = 0;
        int outside = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) != barColour)
                    continue;
                (bar.contains(x, y) ? inside : outside)++;
            }
        }
        return qMakePair(inside, outside);
    };

    QCOMPARE(barPixels(button.grab().toImage()), qMakePair(0, 0));

    button.setSelected(true);
    QCOMPARE(barPixels(button.grab().toImage()), qMakePair(bar.width() * bar.height(), 0));

    button.setSelected(false);
    QCOMPARE(barPixels(button.grab().toImage()).first, 0);
}

void TestWidgets::headerClicksSort()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QStringList, firstColumnAfterLast);
    QFETCH(int, lastOrder);

    CustomHeaderedTable table;
    table.setColumnCount(2);
    table.setRowCount(3);
    for (int row = 0; row < 3; ++row) {
        table.setItem(row, 0, new QTableWidgetItem(QString("bac").at(row)));
        table.setItem(row, 1, new QTableWidgetItem(QString("yzx").at(row)));
    }
    table.resize(300, 200);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));

    QHeaderView *header = table.horizontalHeader();
    for (int column : clicks) {
        const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    }
    QStringList actual;
    for (int row = 0; row < 3; ++row)
        actual << table.item(row, 0)->text();
    QCOMPARE(actual, firstColumnAfterLast);
    QCOMPARE(table.lastSortedColumn(), clicks.constLast());
    QCOMPARE(int(table.lastSortOrder()), lastOrder);
}

void TestWidgets::headerWidgetFollowsSection()
{
    CustomHeaderedTable table;
    table.setColumnCount(6);
    table.setRowCount(2);
    table.resize(300, 150);
    auto *box = new QCheckBox;
    table.customHeader()->setSectionWidget(2, box);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));

    CustomTableHeader *header = table.customHeader();
    const auto expected = [&] {
        return QRect(header->sectionViewportPosition(2), 0, header->sectionSize(2), header->height());
    };
    QCOMPARE(box->geometry(), expected());

    header->resizeSection(0, header->sectionSize(0) + 37);
    QCOMPARE(box->geometry(), expected());

    table.horizontalScrollBar()->setValue(table.horizontalScrollBar()->maximum());
    QVERIFY(table.horizontalScrollBar()->value() > 0);
    QCOMPARE(box->geometry(), expected());

    header->moveSection(2, 0);
    QCOMPARE(box->geometry(), expected());
}

void TestWidgets::headerWidgetReplaced()
{
    QFETCH(QString, replacement);
    QFETCH(bool, firstSurvives);

    CustomHeaderedTable table;
    table.setColumnCount(3);
    CustomTableHeader *header = table.customHeader();
    QPointer<QWidget> first = new QCheckBox;
    header->setSectionWidget(1, first);
    QPointer<QWidget> second = replacement == "itself" ? first.data() : replacement == "other" ? new QCheckBox : nullptr;
    header->setSectionWidget(1, second);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(!first.isNull(), firstSurvives);
    QCOMPARE(header->sectionWidget(1), second.data());
    if (second)
        QCOMPARE(second->parentWidget(), header->viewport());
}

void TestWidgets::tableItemHidesEmptyLines()
{
    QFETCH(QString, text);
    QFETCH(QString, bottomText);

    TableItemCustom item(nullptr, 3, text, bottomText);
    auto *label = item.findChild<ElideLabel *>("label");
    auto *labelBottom = item.findChild<ElideLabel *>("labelBottom");
    QVERIFY(label && labelBottom);
    QCOMPARE(label->isVisibleTo(&item), !text.isEmpty());
    QCOMPARE(labelBottom->isVisibleTo(&item), !bottomText.isEmpty());
    QVERIFY(!item.findChild<QWidget *>("wdtIcon")->isVisibleTo(&item));

    // Changing the texts later shows and hides the lines the same way.
    item.setTexts(bottomText, text);
    QCOMPARE(label->isVisibleTo(&item), !bottomText.isEmpty());
    QCOMPARE(labelBottom->isVisibleTo(&item), !text.isEmpty());
}

void TestWidgets::tableItemSignalsCarryRow()
{
    TableItemCustom item(nullptr, 7, "Clock", "detail");
    item.addButton(QString(), "first");
    PushButtonFlat *second = item.addButton(QString(), "second");
    item.addComboBox({"a", "b", "c"}, 1);
    item.addComboBox({"x", "y"}, 0);
    QCheckBox *check = item.addCheckBox(false);
    item.resize(500, 40);
    item.show();
    QVERIFY(QTest::qWaitForWindowExposed(&item));

    QSignalSpy buttons(&item, &TableItemCustom::ButtonClicked);
    QSignalSpy combos(&item, &TableItemCustom::ComboboxIndexChanged);
    QSignalSpy checks(&item, &TableItemCustom::CheckboxClicked);

    QTest::mouseClick(second, Qt::LeftButton);
    QCOMPARE(buttons.count(), 1);
    QCOMPARE(buttons.at(0), (QVariantList{7, 1}));

    item.setRow(9);
    item.setComboIndex(1, 1);
    QCOMPARE(combos.count(), 1);
    QCOMPARE(combos.at(0), (QVariantList{9, 1, 1}));

    // Replacing the items is not a choice of the user.
    item.setComboItems(0, {"p", "q", "r", "s"});
    QCOMPARE(combos.count(), 1);
    QCOMPARE(item.comboIndex(0), 1);
    item.setComboItems(0, {"only"});
    QCOMPARE(item.comboIndex(0), 0);
    QCOMPARE(item.comboIndex(5), -1);

    QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier, check->rect().center());
    QCOMPARE(checks.count(), 1);
    QCOMPARE(checks.at(0).at(0).toBool(), true);
    QVERIFY(item.isChecked());
}

void TestWidgets::elideLabelShortensText()
{
    ElideLabel label(QStringLiteral("A very long clock name that cannot fit"));
    label.setElideMode(Qt::ElideRight);
    label.resize(80, 20);
    QVERIFY(label.elidedText().endsWith(QChar(0x2026)));

    label.setElideMode(Qt::ElideNone);
    QCOMPARE(label.elidedText(), label.text());

    QSignalSpy clicked(&label, &ElideLabel::Clicked);
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
}

namespace {

QColor opaqueColourOf(const QIcon &icon)
{
    const QImage image = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                return QColor(image.pixel(x, y));
    return QColor();
}

QPixmap square(const QColor &colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.fillRect(4, 4, 8, 8, colour);
    return pixmap;
}

} // namespace

// The icon's tint follows the pointer, and what is drawn stays visible
// against what the program's style sheet paints behind it: focus alone does
// not invert it.
void TestWidgets::pushButtonFlatIcon()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, hovered);
    QFETCH(bool, drawnInverted);

    ThemeManager::setCurrentTheme(Theme::Light);
    QWidget page;
    page.setStyleSheet(ThemeManager::styleSheet(Theme::Light));
    auto *button = new PushButtonFlat(QStringLiteral("Add group"), &page);
    button->setIcon(QIcon(square(Qt::red)));
    button->setIconSize(QSize(16, 16));
    button->resize(120, 30);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(opaqueColourOf(button->icon()), ThemeManager::iconColour(0));
    for (const QString &step : steps) {
        if (step == "click") // the pointer stays where it clicked
            QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        else if (step == "focus")
            button->setFocus();
        else if (step == "down")
            button->setDown(true);
        else {
            button->setAttribute(Qt::WA_UnderMouse, step == "over");
            QMouseEvent move(QEvent::MouseMove, QPointF(step == "over" ? 10 : 130, 10), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QApplication::sendEvent(button, &move);
        }
    }
    QCOMPARE(button->isHovered(), hovered);
    QCOMPARE(opaqueColourOf(button->icon()), ThemeManager::iconColour(hovered ? 1 : 0));
    const QImage image = button->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QColor background = image.pixelColor(3, image.height() / 2);
    const QColor tint = ThemeManager::iconColour(drawnInverted ? 1 : 0);
    const QRgb *pixels = reinterpret_cast<const QRgb *>(image.constBits());
    QVERIFY(std::count(pixels, pixels + image.width() * image.height(), tint.rgba()) >= 8 * 8 / 2);
    QVERIFY(background != tint && (drawnInverted || background != QColor("#212121")));
}

void TestWidgets::iconLabelTakesTextColour()
{
    IconLabel label;
    label.setStyleSheet(QStringLiteral("IconLabel { color: #00FF00; }"));
    label.ensurePolished();
    label.setPixmap(square(Qt::black));
    QCOMPARE(opaqueColourOf(QIcon(label.pixmap(Qt::ReturnByValue))), QColor(0, 255, 0));

    // A new theme brings a new text colour, and the picture follows.
    label.setStyleSheet(QStringLiteral("IconLabel { color: #0000FF; }"));
    QCOMPARE(opaqueColourOf(QIcon(label.pixmap(Qt::ReturnByValue))), QColor(0, 0, 255));
}

void TestWidgets::menuPopupReturnsChosenAction()
{
    MenuPopup menu;
    menu.addAction(QStringLiteral("Dark"));
    QAction *light = menu.addAction(QStringLiteral("Light"));

    QTimer::singleShot(0, &menu, [&] {
        menu.setActiveAction(light);
        QTest::keyClick(&menu, Qt::Key_Return);
    });
    QCOMPARE(menu.execAt(QPoint(100, 100)), light);
    QVERIFY(!menu.isVisible());

    QTimer::singleShot(0, &menu, [&] { QTest::keyClick(&menu, Qt::Key_Escape); });
    QCOMPARE(menu.execAt(QPoint(100, 100)), static_cast<QAction *>(nullptr));
}

namespace {

struct Host {
    QWidget window;
    WidgetToaster *toaster = new WidgetToaster(&window);

    Host()
    {
        window.resize(900, 600);
        toaster->setTopOffset(40);
        window.show();
    }
};

} // namespace

void TestWidgets::limitFadesOldest()
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

// Left alone a toast runs its course; pressed, it goes when released inside
// it, not after the pointer moved off it.
void TestWidgets::toastEnds()
{
    QFETCH(int, releaseX);
    QFETCH(bool, gone);

    Host host;
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    if (releaseX == 0)
        host.toaster->setToastDurations(20, 30, 20);
    QPointer<Toast> toast = host.toaster->add(QStringLiteral("Group saved"), ToastType::Info);
    QSignalSpy disappeared(toast.data(), &Toast::Disappeared);
    if (releaseX == 0) {
        QTRY_COMPARE_WITH_TIMEOUT(toast->phase(), Toast::Holding, 5000);
        QCOMPARE(toast->opacity(), 1.0);
    } else {
        host.toaster->onUpdateMask();
        QTest::mousePress(toast, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QVERIFY(toast->isPressed());
        QTest::mouseRelease(toast, Qt::LeftButton, Qt::NoModifier, QPoint(releaseX, 5));
        QVERIFY(!toast->isPressed());
        QCOMPARE(toast->phase(), gone ? Toast::FadingOut : Toast::FadingIn);
    }
    if (!gone)
        return;
    QVERIFY(disappeared.wait(5000));
    QCOMPARE(disappeared.at(0).at(0).value<Toast *>(), toast.data());
    QTRY_VERIFY(toast.isNull());
    QVERIFY(host.toaster->toasts().isEmpty());
    // With nothing left to show, the overlay no longer covers the window.
    QTRY_VERIFY(!host.toaster->isVisible());
}

void TestWidgets::maskCoversToastsOnly()
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

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
