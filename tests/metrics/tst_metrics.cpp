// The numbers the metrics page writes: a sample's line, and a clock's
// measurement as the decimal it sent.
#include "metrics/PrometheusWriter.h"
#include "values/Decimal.h"
#include "tests/support/TestRows.h"

#include <QtTest>

class TestMetrics : public QObject
{
    Q_OBJECT

private slots:
    void exposition_data() { TestRows::add(QStringLiteral("metrics/metrics.rows")); }
    void exposition();
    void decimal_data() { TestRows::add(QStringLiteral("metrics/metrics.rows")); }
    void decimal();
};

void TestMetrics::exposition()
{
    QFETCH(QJsonArray, labels);
    QFETCH(QString, value);
    QFETCH(QByteArray, line);

    PrometheusWriter::Labels pairs;
    for (const QJsonValue &label : labels)
        pairs.append({label[0].toString(), label[1].toString()});
    PrometheusWriter writer;
    writer.sample("m", pairs, value.toDouble());
    QCOMPARE(writer.page(), line);
}

void TestMetrics::decimal()
{
    QFETCH(QString, sent);
    QFETCH(QByteArray, line);

    // What the board's JSON and the metrics page both write for it.
    PrometheusWriter writer;
    writer.sample("m", {}, Decimal::ofFloat(sent.toFloat()));
    QCOMPARE(writer.page(), line);
}

QTEST_GUILESS_MAIN(TestMetrics)
#include "tst_metrics.moc"
