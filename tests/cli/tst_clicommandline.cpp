#include "CliCommandLine.h"
#include "TestRows.h"

#include <QtTest>

using OptionMap = QHash<QString, QString>;

class TestCliCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void acceptedLines_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void acceptedLines();
    void refusedLines_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void refusedLines();
    void addresses_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void addresses();
    void usageNamesEveryCommand();
};

void TestCliCommandLine::acceptedLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, command);
    QFETCH(bool, json);
    QFETCH(QStringList, positionals);
    QFETCH(QJsonObject, options);

    CliInvocation invocation;
    QString error;
    QVERIFY2(CliCommandLine::parse(arguments, invocation, error), qPrintable(error));
    QCOMPARE(int(invocation.command), command);
    QCOMPARE(invocation.json, json);
    QCOMPARE(invocation.arguments, positionals);
    OptionMap expected;
    for (auto it = options.begin(); it != options.end(); ++it)
        expected.insert(it.key(), it.value().toString());
    QCOMPARE(invocation.options, expected);
}

void TestCliCommandLine::refusedLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);

    CliInvocation invocation;
    QString error;
    QVERIFY(!CliCommandLine::parse(arguments, invocation, error));
    QVERIFY2(error.contains(reason), qPrintable(error));
}

void TestCliCommandLine::addresses()
{
    QFETCH(QString, text);
    QFETCH(QString, canonical);
    QCOMPARE(CliCommandLine::canonicalAddress(text), canonical);
}

void TestCliCommandLine::usageNamesEveryCommand()
{
    const QString usage = CliCommandLine::usage();
    const QStringList commands = {"discover", "list", "add", "remove", "status", "config get", "config set",
                                  "config show", "name", "network", "password", "resolve-conflicts", "test-mail",
                                  "monitor"};
    for (const QString &command : commands) {
        QVERIFY2(usage.contains(QStringLiteral("\n  ") + command + QLatin1Char(' '))
                     || usage.contains(QStringLiteral("\n  ") + command + QLatin1Char('\n')),
                 qPrintable(command));
        // Every command the usage names is one the parser takes.
        CliInvocation invocation;
        QString error;
        CliCommandLine::parse(command.split(QLatin1Char(' ')), invocation, error);
        QVERIFY2(!error.contains(QLatin1String("unknown command")), qPrintable(command));
    }
}

QTEST_APPLESS_MAIN(TestCliCommandLine)
#include "tst_clicommandline.moc"
