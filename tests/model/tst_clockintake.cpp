#include "model/ClockIntake.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "tests/support/TestRows.h"

#include <QJsonArray>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

std::unique_ptr<DevClock> clockFrom(const QString &ipAndMac)
{
    auto clock = std::make_unique<DevClock>();
    clock->network.ip = ipAndMac.section(QLatin1Char(' '), 0, 0);
    clock->mac = ipAndMac.section(QLatin1Char(' '), 1, 1);
    clock->name = QStringLiteral("found");
    if (ipAndMac.section(QLatin1Char(' '), 2) == QLatin1String("401"))
        clock->lastError = AuthorizationError;
    return clock;
}

} // namespace

// The one way onto the list: clocks of one flow ("ip mac") taken under the
// flow's rules, what each did, and the records ("ip mac name") afterwards.
class TestClockIntake : public QObject
{
    Q_OBJECT

private slots:
    void take_data() { TestRows::add(QStringLiteral("model/clockintake.rows")); }
    void take();
    void follow_data() { TestRows::add(QStringLiteral("model/clockintake.rows")); }
    void follow();
};

void TestClockIntake::take()
{
    QFETCH(QStringList, listed);
    QFETCH(QStringList, found);
    QFETCH(QString, rules);

    ClockRegistry registry;
    for (const QString &clock : listed) {
        auto record = clockFrom(clock);
        record->name = QStringLiteral("listed");
        registry.addClock(record.release());
    }
    std::vector<std::unique_ptr<DevClock>> clocks;
    QVector<DevClock *> heard;
    for (const QString &clock : found) {
        clocks.push_back(clockFrom(clock));
        heard.append(clocks.back().get());
    }
    ClockIntake intake(registry);
    ClockIntake::Rules how;
    const QString word = rules.section(QLatin1Char(' '), 0, 0);
    if (word == QLatin1String("heard"))
        intake.hear(heard);
    how.whenListed = word == QLatin1String("keep")      ? ClockIntake::WhenListed::Keep
        : word == QLatin1String("another")              ? ClockIntake::WhenListed::AddAnother
                                                        : ClockIntake::WhenListed::Update;
    how.moves = word == QLatin1String("checked") || word == QLatin1String("unconfirmed") ? ClockIntake::Moves::Checked
        : word == QLatin1String("stay")          ? ClockIntake::Moves::Stay
                                                 : ClockIntake::Moves::Heard;
    (word == QLatin1String("unconfirmed") ? how.unconfirmedFrom : how.checkedFrom) = rules.section(QLatin1Char(' '), 1);
    intake.setAcceptMoves(rules.endsWith(QLatin1String("accept")));
    how.silent = word == QLatin1String("silent");

    const char *const names[] = {"added", "already listed", "updated", "moved", "conflict", "wrong password", "move unconfirmed"};
    QStringList taken;
    for (auto &clock : clocks) {
        const ClockIntake::Result previewed = intake.preview(*clock, how);
        const ClockIntake::Result result = intake.take(clock, how);
        QString text = QString::fromLatin1(names[int(result.taken)]);
        if (!result.movedFrom.isEmpty())
            text += QStringLiteral(" from ") + result.movedFrom;
        taken << text;
        // The preview says the same, short of the update it did not make.
        QCOMPARE(previewed.taken == ClockIntake::Taken::AlreadyListed && result.taken == ClockIntake::Taken::Updated
                     ? result.taken
                     : previewed.taken,
                 result.taken);
        QCOMPARE(result.clock == nullptr, result.taken == ClockIntake::Taken::Conflict);
        QCOMPARE(clock == nullptr, result.taken == ClockIntake::Taken::Added);
    }
    QStringList after;
    for (const DevClock *clock : registry.clocks())
        after << QStringLiteral("%1 %2 %3").arg(clock->network.ip, clock->mac, clock->name).simplified();
    QTEST(taken, "taken");
    QTEST(after, "after");
}

// Clocks "oldIp oldMac newIp newMac taken" the resolver readdressed (taken:
// both, ip, none or unaddressed) and the listed records ("ip mac") after.
void TestClockIntake::follow()
{
    QFETCH(QStringList, listed);
    QFETCH(QStringList, readdressed);
    ClockRegistry registry;
    for (const QString &clock : listed)
        registry.addClock(clockFrom(clock).release());
    QVector<ClockIntake::Readdressed> moves;
    for (const QString &text : readdressed) {
        const QStringList word = text.split(QLatin1Char(' '));
        moves.append({word.at(0), word.at(1), word.at(2), word.at(3), 2101,
                      word.at(4) != QLatin1String("none") && word.at(4) != QLatin1String("unaddressed"),
                      word.at(4) == QLatin1String("both"), word.at(4) != QLatin1String("unaddressed")});
    }
    int announced = 0;
    connect(&registry, &ClockRegistry::clockChanged, this, [&announced] { ++announced; });
    const QStringList lines = ClockIntake(registry).follow(moves, QStringLiteral("admin"), QStringLiteral("admin"));
    QStringList after;
    for (const DevClock *clock : registry.clocks())
        after << QStringLiteral("%1 %2%3").arg(clock->network.ip, clock->mac,
                                              clock->lastError == AuthorizationError ? QStringLiteral(" refused") : QString());
    QTEST(after, "after");
    QCOMPARE(announced, lines.size());
    QTEST(lines.size(), "lines");
}

QTEST_APPLESS_MAIN(TestClockIntake)
#include "tst_clockintake.moc"
