#include "metrics/PrometheusWriter.h"

#include <QLocale>

#include <cmath>

namespace {

// Every integer up to 2^53 is exact in a double and printed without exponent.
constexpr double largestExactInteger = 9007199254740992.0;

} // namespace

void PrometheusWriter::family(const char *name, const char *type, const QString &help)
{
    // HELP text escapes only backslash and line feed.
    QString text = help;
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
    m_page += "# HELP " + QByteArray(name) + ' ' + text.toUtf8() + '\n';
    m_page += "# TYPE " + QByteArray(name) + ' ' + type + '\n';
}

void PrometheusWriter::sample(const char *name, const Labels &labels, double value)
{
    sampleText(name, labelText(labels), value);
}

void PrometheusWriter::sampleText(const char *name, const QByteArray &labelText, double value)
{
    m_page += name;
    m_page += labelText;
    m_page += ' ';
    m_page += formatValue(value);
    m_page += '\n';
}

QByteArray PrometheusWriter::labelText(const Labels &labels)
{
    QByteArray text;
    if (labels.isEmpty())
        return text;
    text += '{';
    for (int i = 0; i < labels.size(); ++i) {
        if (i > 0)
            text += ',';
        text += labels.at(i).first.toUtf8() + "=\"" + escapeLabelValue(labels.at(i).second).toUtf8() + '"';
    }
    text += '}';
    return text;
}

QString PrometheusWriter::escapeLabelValue(const QString &value)
{
    QString escaped;
    escaped.reserve(value.size());
    for (const QChar c : value) {
        if (c == QLatin1Char('\\'))
            escaped += QLatin1String("\\\\");
        else if (c == QLatin1Char('"'))
            escaped += QLatin1String("\\\"");
        else if (c == QLatin1Char('\n'))
            escaped += QLatin1String("\\n");
        else
            escaped += c;
    }
    return escaped;
}

QByteArray PrometheusWriter::formatValue(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "+Inf" : "-Inf";
    if (value == std::trunc(value) && std::fabs(value) <= largestExactInteger)
        return QByteArray::number(qint64(value));
    return QString::number(value, 'g', QLocale::FloatingPointShortest).toLatin1();
}
