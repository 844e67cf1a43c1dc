#include "operations/change/ChangeRunState.h"
#include "operations/change/ConfigFieldAccess.h"
#include "tests/support/TestRows.h"

#include <QJsonDocument>
#include <QtTest>

// The field names and values of a change, and the run's file as it is read
// back: what an operator types and what a damaged file holds.
class TestChangePlan : public QObject
{
    Q_OBJECT

private slots:
    void setField_data() { TestRows::add(QStringLiteral("operations/change.rows")); }
    void setField();
    void planSendsOnlyChangedParts();
    void runFile_data() { TestRows::add(QStringLiteral("operations/change.rows")); }
    void runFile();
};

void TestChangePlan::setField()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(bool, accepted);
    QFETCH(QString, text);
    ClockConfigFields config;
    config.Server1 = QStringLiteral("before");
    const ClockConfigFields before = config;
    QString why;
    QCOMPARE(ConfigFieldAccess::set(config, field, value, &why), accepted);
    QCOMPARE(why.isEmpty(), accepted);
    if (accepted)
        QCOMPARE(ConfigFieldAccess::text(config, field), text);
    else
        QVERIFY(config.sameContent(before));
}

void TestChangePlan::planSendsOnlyChangedParts()
{
    ClockChange clock;
    ClockConfigFields downloaded;
    downloaded.loaded = true;
    downloaded.ShowTime = true;
    ChangeRecipe recipe;
    // The master address goes nowhere while the clock does not synchronise.
    recipe.values = {{QStringLiteral("Alarm7.Duration"), QStringLiteral("30")},
                     {QStringLiteral("MasterIP"), QStringLiteral("10.0.0.1")}};
    ChangePlan::plan(clock, downloaded, recipe);
    QCOMPARE(clock.state, ClockChange::State::Planned);
    QCOMPARE(clock.parts, QVector<ConfigPart>{ConfigPart::Alarms});
    QCOMPARE(clock.changes, (QVector<FieldChange>{{QStringLiteral("Alarm7.Duration"), "0", "30"}}));
    ChangePlan::plan(clock, clock.result, recipe);
    QCOMPARE(clock.state, ClockChange::State::Skipped);
}

void TestChangePlan::runFile()
{
    QFETCH(QJsonObject, file);
    QFETCH(bool, accepted);
    ChangeRunState state;
    QString why;
    QCOMPARE(ChangeRunState::fromJson(file, state, &why), accepted);
    if (accepted)
        QCOMPARE(QJsonDocument(state.toJson()).toJson(), QJsonDocument(file).toJson());
    else
        QVERIFY(!why.isEmpty());
}

QTEST_APPLESS_MAIN(TestChangePlan)
#include "tst_changeplan.moc"
