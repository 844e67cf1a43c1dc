#include "operations/change/NewPasswords.h"
#include "operations/change/WaveRule.h"
#include "tests/support/TestRows.h"

#include <QtTest>

class TestPasswordUnits : public QObject
{
    Q_OBJECT

private slots:
    void readsPasswordFiles_data() { TestRows::add(QStringLiteral("operations/passwords.rows")); }
    void readsPasswordFiles();
    void writtenListReadsBack();
    void waveSizes_data() { TestRows::add(QStringLiteral("operations/passwords.rows")); }
    void waveSizes();
};

void TestPasswordUnits::readsPasswordFiles()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, isList);
    QFETCH(QString, single);
    QFETCH(QStringList, addresses);
    QFETCH(QString, error);
    const NewPasswords::Parsed parsed = NewPasswords::parse(data);
    QCOMPARE(parsed.isList, isList);
    QCOMPARE(parsed.single, single);
    QCOMPARE(parsed.addresses, addresses);
    QCOMPARE(parsed.error, error);
}

void TestPasswordUnits::writtenListReadsBack()
{
    QVector<QPair<QString, QString>> made;
    for (int i = 1; i <= 3; ++i)
        made.append({QStringLiteral("10.0.0.%1").arg(i), NewPasswords::generate()});
    const NewPasswords::Parsed parsed = NewPasswords::parse(NewPasswords::write(made));
    QVERIFY(parsed.ok() && parsed.isList);
    for (const auto &entry : made)
        QCOMPARE(parsed.byAddress.value(entry.first), entry.second);
}

void TestPasswordUnits::waveSizes()
{
    QFETCH(int, canary);
    QFETCH(int, wave);
    QFETCH(QString, maxFailed);
    QFETCH(int, clocks);
    QFETCH(int, canarySize);
    QFETCH(int, waveSize);
    QFETCH(int, allowed);
    WaveRule rule;
    rule.canary = canary;
    rule.wave = wave;
    const bool refused = maxFailed == "bad" || maxFailed == "some" || maxFailed == "101%";
    if (!maxFailed.isEmpty())
        QCOMPARE(rule.readMaxFailed(maxFailed), !refused);
    QCOMPARE(rule.canarySize(clocks), canarySize);
    QCOMPARE(rule.waveSize(clocks), waveSize);
    QCOMPARE(rule.allowedFailures(clocks), allowed);
}

QTEST_APPLESS_MAIN(TestPasswordUnits)
#include "tst_passwordunits.moc"
