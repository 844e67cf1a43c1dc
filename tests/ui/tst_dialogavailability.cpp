// The window's availability dialog over a real history: the figures of the
// period asked for (never those of one left while it was computed), the
// period stepped and the tables sorted from the keyboard, the cells and an
// unreadable history as a screen reader gets them.
#include "persistence/EventJournal.h"
#include "ui/dialogs/DialogAvailability.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QList<AvailabilityReport::Clock> clocks{{QStringLiteral("192.168.0.20"), QStringLiteral("Lobby"), {}, {}},
                                              {QStringLiteral("192.168.0.21"), QStringLiteral("Hall"),
                                               QStringLiteral("Ground floor"), {}}};
const QDate november1(2026, 11, 1);

// Watched from 1 November; Hall did not answer from 06:00 to 08:00.
void writeHistory(const QString &folder)
{
    EventJournal journal(folder);
    const QDateTime start(november1, QTime(0, 0), Qt::LocalTime);
    // As the monitor writes them: its start, then its first poll of Hall.
    for (const auto &[minutes, kind] : {std::pair{0, ClockEvent::Kind::MonitorStarted},
                                        {0, ClockEvent::Kind::Watched},
                                        {360, ClockEvent::Kind::Unreachable},
                                        {480, ClockEvent::Kind::Reachable},
                                        {3 * 1440, ClockEvent::Kind::MonitorStopped}}) {
        ClockEvent event;
        event.time = start.addSecs(60 * minutes).toUTC();
        event.kind = kind;
        if (kind != ClockEvent::Kind::MonitorStarted && kind != ClockEvent::Kind::MonitorStopped)
            event.ip = clocks.at(1).ip;
        journal.append(event);
    }
}

// The cells of a table's column as a screen reader reads them, top to bottom.
QStringList spoken(QTableView *view, int column)
{
    // With a screen reader running a view tells its accessible table of a
    // new order; offscreen none runs, so the cells are read afresh.
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(view)));
    QAccessibleTableInterface *table = QAccessible::queryAccessibleInterface(view)->tableInterface();
    QStringList cells;
    for (int row = 0; row < table->rowCount(); ++row)
        cells << table->cellAt(row, column)->text(QAccessible::Name);
    return cells;
}

QString said(const DialogAvailability &dialog, const char *label)
{
    return QAccessible::queryAccessibleInterface(dialog.findChild<QLabel *>(QLatin1String(label)))
        ->text(QAccessible::Name);
}

} // namespace

class TestDialogAvailability : public QObject
{
    Q_OBJECT

private slots:
    void periodsAndKeyboard();
    void unreadableHistory();
};

void TestDialogAvailability::periodsAndKeyboard()
{
    QTemporaryDir folder;
    writeHistory(folder.path());
    DialogAvailability dialog(clocks, folder.path());
    dialog.show();
    QSignalSpy shown(&dialog, &DialogAvailability::figuresShown);
    auto *table = dialog.findChild<QTableView *>(QStringLiteral("tvwAvailabilityClocks"));
    // The day left while it was computed is not shown, nor announced.
    dialog.showPeriod(ReportPeriod::Kind::Day, november1.addDays(1));
    dialog.showPeriod(ReportPeriod::Kind::Day, november1);
    QVERIFY(shown.wait(10000));
    QTRY_VERIFY(!dialog.isComputing());
    QCOMPARE(shown.count(), 1);
    QCOMPARE(said(dialog, "lblAvailabilityPeriod"), QStringLiteral("2026-11-01"));
    QCOMPARE(spoken(table, 0), (QStringList{"Hall", "Lobby"}));
    QCOMPARE(spoken(table, 3), (QStringList{"91.67 %", "100.00 %"}));
    QCOMPARE(spoken(table, 5), (QStringList{"1", "0"}));
    QCOMPARE(spoken(dialog.findChild<QTableView *>(QStringLiteral("tvwAvailabilityGroups")), 0),
             (QStringList{"(no group)", "Ground floor", "Site"}));

    // Sorted by the share from the keyboard, lowest first, then highest.
    table->setFocus();
    table->setCurrentIndex(table->model()->index(0, 3));
    QTest::keyClick(table, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(spoken(table, 0), (QStringList{"Hall", "Lobby"}));
    QTest::keyClick(table, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(spoken(table, 0), (QStringList{"Lobby", "Hall"}));

    // The day before: nothing was watched, so nothing is counted.
    auto *previous = dialog.findChild<QPushButton *>(QStringLiteral("btnAvailabilityPrevious"));
    previous->setFocus();
    QTest::keyClick(previous, Qt::Key_Space);
    QVERIFY(shown.wait(10000));
    QCOMPARE(said(dialog, "lblAvailabilityPeriod"), QStringLiteral("2026-10-31"));
    QCOMPARE(spoken(table, 3), (QStringList{"-", "-"}));

    // The month: from the keyboard too.
    auto *kind = dialog.findChild<QComboBox *>(QStringLiteral("cbxAvailabilityPeriod"));
    kind->setFocus();
    QTest::keyClick(kind, Qt::Key_Home);
    QVERIFY(shown.wait(10000));
    QCOMPARE(said(dialog, "lblAvailabilityPeriod"), QStringLiteral("2026-10-01 to 2026-10-31"));
}

void TestDialogAvailability::unreadableHistory()
{
    // Not shown as a period without incidents, to a screen reader either.
    QTemporaryDir damaged;
    QFile garbage(damaged.filePath(QStringLiteral("events.sqlite")));
    QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write(QByteArray(8192, 'x')) == 8192);
    garbage.close();
    DialogAvailability dialog(clocks, damaged.path());
    QSignalSpy shown(&dialog, &DialogAvailability::figuresShown);
    dialog.showPeriod(ReportPeriod::Kind::Month, november1);
    QVERIFY(shown.wait(10000));
    QVERIFY2(said(dialog, "lblAvailabilityStatus").contains(QLatin1String("cannot be read")),
             qPrintable(said(dialog, "lblAvailabilityStatus")));
    QCOMPARE(dialog.findChild<QTableView *>(QStringLiteral("tvwAvailabilityClocks"))->model()->rowCount(), 0);
}

QTEST_MAIN(TestDialogAvailability)
#include "tst_dialogavailability.moc"
