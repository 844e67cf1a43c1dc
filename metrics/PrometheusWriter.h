#pragma once

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QVector>

// Builds a page in the Prometheus text exposition format (version 0.0.4).
class PrometheusWriter
{
public:
    using Labels = QVector<QPair<QString, QString>>;

    static constexpr char contentType[] = "text/plain; version=0.0.4; charset=utf-8";

    // Starts a metric family: its HELP and TYPE lines ("gauge", "counter").
    void family(const char *name, const char *type, const QString &help);
    void sample(const char *name, const Labels &labels, double value);
    void sample(const char *name, double value) { sample(name, {}, value); }
    // With labels rendered once by labelText: a series written in several
    // families costs its escaping once.
    void sampleText(const char *name, const QByteArray &labelText, double value);
    // "{name=\"value\",...}", or nothing for no labels.
    static QByteArray labelText(const Labels &labels);
    void reserve(int bytes) { m_page.reserve(bytes); }

    QByteArray page() const { return m_page; }

    // Backslash, double quote and line feed escaped, as label values need.
    static QString escapeLabelValue(const QString &value);
    // Integers without a fraction; NaN and infinities as the format spells them.
    static QByteArray formatValue(double value);

private:
    QByteArray m_page;
};
