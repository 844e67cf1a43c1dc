#include "tests/support/TestRows.h"

#include "tests/support/TestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

struct Column
{
    QByteArray name;
    QString type;
};

bool isLatin1(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

// The JSON value as the column's type; invalid when it does not fit.
QVariant convert(const QString &type, const QJsonValue &value)
{
    if (type == QLatin1String("text") && (value.isString() || value.isNull()))
        return value.isNull() ? QString() : value.toString();
    if (type == QLatin1String("bytes") && value.isString() && isLatin1(value.toString()))
        return value.toString().toLatin1();
    if (type == QLatin1String("utf8") && value.isString())
        return value.toString().toUtf8();
    if (type == QLatin1String("hex") && value.isString())
        return QByteArray::fromHex(value.toString().toLatin1());
    if (type == QLatin1String("int") && value.isDouble())
        return value.toInt();
    if (type == QLatin1String("bool") && value.isBool())
        return value.toBool();
    if (type == QLatin1String("double") && value.isDouble())
        return value.toDouble();
    if (type == QLatin1String("float") && value.isDouble())
        return float(value.toDouble());
    if (type == QLatin1String("object") && value.isObject())
        return value.toObject();
    if (type == QLatin1String("array") && value.isArray())
        return value.toArray();
    if (!value.isArray())
        return QVariant();
    const QJsonArray items = value.toArray();
    if (type == QLatin1String("texts"))
        return QVariant::fromValue(value.toVariant().toStringList());
    QList<int> numbers;
    QByteArrayList byteList;
    for (const QJsonValue &item : items) {
        numbers << item.toInt();
        byteList << item.toString().toLatin1();
    }
    if (type == QLatin1String("ints"))
        return QVariant::fromValue(numbers);
    if (type == QLatin1String("bytes[]"))
        return QVariant::fromValue(byteList);
    return QVariant();
}

bool declare(const Column &column)
{
    static const QHash<QString, int> types = {
        {"text", QMetaType::QString},        {"bytes", QMetaType::QByteArray}, {"utf8", QMetaType::QByteArray},
        {"hex", QMetaType::QByteArray},      {"int", QMetaType::Int},          {"bool", QMetaType::Bool},
        {"double", QMetaType::Double},       {"float", QMetaType::Float},      {"texts", QMetaType::QStringList},
        {"ints", qMetaTypeId<QList<int>>()}, {"bytes[]", qMetaTypeId<QByteArrayList>()},
        {"object", QMetaType::QJsonObject},  {"array", QMetaType::QJsonArray}};
    if (!types.contains(column.type))
        return false;
    // QtTest keeps the name's pointer for the test's life.
    static QSet<QByteArray> names;
    QTest::addColumnInternal(types.value(column.type), names.insert(column.name)->constData());
    return true;
}

} // namespace

namespace TestRows {

QString dataPath(const QString &name)
{
    return qEnvironmentVariable("ZENTICK_SOURCE_DIR") + QStringLiteral("/tests/data/") + name;
}

QByteArray readData(const QString &name)
{
    return TestFiles::read(dataPath(name));
}

bool matchesData(const QString &name, const QByteArray &actual, QString *difference)
{
    const QByteArray expected = readData(name);
    if (expected == actual)
        return true;
    const QString actualPath = qEnvironmentVariable("ZENTICK_BINARY_DIR") + QLatin1Char('/')
        + QFileInfo(name).fileName() + QStringLiteral(".actual");
    TestFiles::write(actualPath, actual);
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    int line = 0;
    while (line < a.size() && line < e.size() && a.at(line) == e.at(line))
        ++line;
    *difference = QStringLiteral("%1 differs at line %2 (actual bytes in %3)\n expected: %4\n actual:   %5")
                      .arg(name)
                      .arg(line + 1)
                      .arg(actualPath, QString::fromUtf8(e.value(line)), QString::fromUtf8(a.value(line)));
    return false;
}

void add(const QString &file)
{
    const QString table = QString::fromLatin1(QTest::currentTestFunction());
    const auto fail = [&](int line, const QString &why) {
        QTest::qFail(qPrintable(QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(why)), __FILE__, __LINE__);
    };
    QFile input(dataPath(file));
    if (!input.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(0, QStringLiteral("cannot read ") + input.fileName());

    QList<Column> columns;
    bool inTable = false;
    bool found = false;
    QByteArray pending;
    int rowLine = 0;
    int lineNumber = 0;
    while (!input.atEnd()) {
        const QByteArray line = input.readLine();
        ++lineNumber;
        const QByteArray trimmed = line.trimmed();
        if (pending.isEmpty()) {
            if (trimmed.isEmpty() || trimmed.startsWith('#'))
                continue;
            if (trimmed.startsWith('=')) {
                const QList<QByteArray> words = trimmed.mid(1).simplified().split(' ');
                inTable = words.first() == table.toLatin1();
                if (!inTable)
                    continue;
                found = true;
                for (const QByteArray &word : words.mid(1)) {
                    const int colon = word.indexOf(':');
                    columns.append({colon < 0 ? word : word.left(colon),
                                    colon < 0 ? QStringLiteral("text") : QString::fromLatin1(word.mid(colon + 1))});
                    if (!declare(columns.constLast()))
                        return fail(lineNumber, QStringLiteral("unknown type ") + columns.constLast().type);
                }
                continue;
            }
            rowLine = lineNumber;
        }
        pending += line;
        QJsonParseError error;
        const QJsonDocument row = QJsonDocument::fromJson(pending, &error);
        if (error.error != QJsonParseError::NoError)
            continue; // a row may go on over several lines
        pending.clear();
        if (!inTable)
            continue;
        const QJsonArray values = row.array();
        if (values.size() != columns.size() + 1 || !values.first().isString())
            return fail(rowLine, QStringLiteral("expected a name and %1 values").arg(columns.size()));
        QVariantList converted;
        for (int i = 0; i < columns.size(); ++i) {
            converted << convert(columns.at(i).type, values.at(i + 1));
            if (!converted.constLast().isValid())
                return fail(rowLine, QStringLiteral("%1 is no %2").arg(QString::fromLatin1(columns.at(i).name),
                                                                       columns.at(i).type));
        }
        QTestData &data = QTest::newRow(qPrintable(values.first().toString()));
        for (const QVariant &value : qAsConst(converted))
            data.append(value.userType(), value.constData());
    }
    if (!pending.isEmpty())
        return fail(rowLine, QStringLiteral("a row that is not JSON"));
    if (!found)
        fail(0, QStringLiteral("no table ") + table);
}

} // namespace TestRows
