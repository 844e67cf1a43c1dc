#include "session/ClockListFilter.h"
#include "session/ClockListModel.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "tests/support/TestRows.h"

#include <QAbstractItemModelTester>
#include <QtTest>

// The clock list as a table model and its filter, on a list of their own:
// texts, sort keys, the filter, and rows that follow the list's changes.
class TestClockListModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void sortAndFilter_data() { TestRows::add(QStringLiteral("session/clocklistmodel.rows")); }
    void sortAndFilter();
    void oneRowPerStatusChange();
    void manyChangesAreOneRange();
    void rowsFollowTheList();

private:
    DevClock *list(const QString &name, const QString &ip, NtpStatus status);
    QStringList names(const QAbstractItemModel &model) const;

    std::unique_ptr<ClockRegistry> m_list;
};

void TestClockListModel::init()
{
    m_list = std::make_unique<ClockRegistry>();
    list("Clock 10", "10.0.0.9", NtpSynchronized)->firmware = 305;
    list("clock 9", "10.0.0.10", NtpTimeout)->firmware = 40;
    list("Lab", "192.168.0.256", NtpNoConnection)->firmware = 305;
    list("Hall", "9.255.255.255", NtpSynchronized)->firmware = 7;
}

DevClock *TestClockListModel::list(const QString &name, const QString &ip, NtpStatus status)
{
    auto *clock = new DevClock;
    clock->name = name;
    clock->network.ip = ip;
    clock->status.NtpSynchronization = status;
    clock->status.lastNtpServer = QStringLiteral("ntp1");
    m_list->addClock(clock);
    return clock;
}

QStringList TestClockListModel::names(const QAbstractItemModel &model) const
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.index(row, ClockListModel::NameColumn).data().toString();
    return names;
}

void TestClockListModel::sortAndFilter()
{
    QFETCH(QString, sortedBy);
    QFETCH(QString, text);
    QFETCH(bool, problemsOnly);
    QFETCH(QStringList, shown);

    ClockListModel model(*m_list);
    ClockListFilter filter(model);
    filter.setFilter(text, problemsOnly);
    int column = -1; // unsorted
    for (int c = 0; c < model.columnCount(); ++c)
        column = model.headerData(c, Qt::Horizontal).toString() == sortedBy ? c : column;
    filter.sort(column);
    QCOMPARE(names(filter), shown);
    // Every shown row leads back to its clock in the list.
    for (int row = 0; row < filter.rowCount(); ++row)
        QCOMPARE(m_list->clockAt(filter.clockIndex(filter.index(row, 2)))->name, shown.at(row));
}

void TestClockListModel::oneRowPerStatusChange()
{
    ClockListModel model(*m_list);
    ClockListFilter filter(model);
    filter.setFilter(QString(), true);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    DevClock *clock = m_list->clockAt(2);
    clock->status.NtpSynchronization = NtpSynchronized;
    m_list->announceClockChanged(clock);
    m_list->announceClockChanged(clock);

    // Announced a moment later, once however often it changed meanwhile.
    QCOMPARE(changed.count(), 0);
    QVERIFY(changed.wait());
    QCOMPARE(changed.count(), 1);
    const auto first = changed.constFirst().at(0).value<QModelIndex>();
    const auto last = changed.constFirst().at(1).value<QModelIndex>();
    QCOMPARE(QList<int>({first.row(), last.row(), first.column(), last.column()}),
             QList<int>({2, 2, 0, ClockListModel::ColumnCount - 1}));
    const QModelIndex status = model.index(2, ClockListModel::StatusColumn);
    QCOMPARE(status.data(Qt::ToolTipRole).toString(), clock->statusText());
    QCOMPARE(status.data(ClockListModel::SeverityRole).toInt(), 0);
    // Under "problems only" the synchronised clock's row leaves the view.
    QCOMPARE(names(filter), QStringList{"clock 9"});
}

void TestClockListModel::manyChangesAreOneRange()
{
    ClockListModel model(*m_list);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    const int many = ClockListModel::rowsAnnouncedOneByOne + 1;
    for (int i = 0; i < many; ++i)
        list(QString("Extra %1").arg(i), "10.1.0.1", NtpSynchronized);
    for (int row : {1, 3, 2 + many})
        m_list->announceClockChanged(m_list->clockAt(row));
    // A clock added meanwhile: what changed before it is announced first.
    QCOMPARE(changed.count(), 0);
    list("Late", "10.1.0.2", NtpSynchronized);
    QCOMPARE(changed.count(), 3);
    for (int row = 0; row < many; ++row)
        m_list->announceClockChanged(m_list->clockAt(row));
    model.flushChanges();
    QCOMPARE(changed.count(), 4);
    QCOMPARE(changed.constLast().at(0).value<QModelIndex>().row(), 0);
    QCOMPARE(changed.constLast().at(1).value<QModelIndex>().row(), many - 1);
}

void TestClockListModel::rowsFollowTheList()
{
    ClockListModel model(*m_list);
    ClockListFilter filter(model);
    filter.sort(ClockListModel::NameColumn);
    QAbstractItemModelTester modelCheck(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester filterCheck(&filter, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const auto groupOf = [&model](int row) { return model.index(row, ClockListModel::GroupColumn).data().toString(); };

    list("Attic", "10.0.0.1", NtpSynchronized);
    QCOMPARE(names(filter), QStringList({"Attic", "clock 9", "Clock 10", "Hall", "Lab"}));
    QVERIFY(m_list->removeClock(1));
    QCOMPARE(names(model), QStringList({"Clock 10", "Lab", "Hall", "Attic"}));
    QCOMPARE(groupOf(1), QString("None"));
    m_list->createGroup("Floor 1");
    m_list->setClockGroup(1, 0);
    QCOMPARE(groupOf(1), QString("Floor 1"));
    QCOMPARE(model.index(1, ClockListModel::GroupColumn).data(Qt::EditRole).toInt(), 1);
    QCOMPARE(model.index(1, ClockListModel::GroupColumn).data(ClockListModel::ChoicesRole).toStringList(),
             QStringList({"None", "Floor 1"}));
    m_list->renameGroup(0, "Roof");
    QCOMPARE(groupOf(1), QString("Roof"));
    m_list->clear();
    QCOMPARE(model.rowCount() + filter.rowCount(), 0);
}

QTEST_GUILESS_MAIN(TestClockListModel)
#include "tst_clocklistmodel.moc"
