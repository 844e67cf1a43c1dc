#include "cli/CliCommandLine.h"
#include "cli/CliOutput.h"
#include "model/ClockConfig.h"
#include "cli/ClockPrinter.h"
#include "cli/ConfigPrinter.h"
#include "model/DevClock.h"
#include "cli/ProgressIndicator.h"
#include "tests/support/TestRows.h"

#include <QBuffer>
#include <QJsonArray>
#include <QtTest>

using OptionMap = QHash<QString, QString>;

namespace {

// Each key of expected has its value in actual.
void compareSubset(const QJsonObject &actual, const QJsonObject &expected)
{
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QVERIFY2(actual.value(it.key()) == it.value(), qPrintable(it.key()));
}

} // namespace

// zentick-cli's command lines and what it prints, in process.
class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void acceptedLines_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void acceptedLines();
    void refusedLines_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void refusedLines();
    void usageNamesEveryCommand();
    void clockJsonValues();
    void tableColumnsLineUp();
    void configJsonChoiceTexts_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void configJsonChoiceTexts();
    void configJsonAlarmsAndTimes();
    void configTextShowsChoices();
    void progressLine_data();
    void progressLine();
    void progressOnlyOnTerminal();
    void printableText_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void printableText();
    void humanOutputIsSafeJsonIsExact();
};

void TestCli::acceptedLines()
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

void TestCli::refusedLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);

    CliInvocation invocation;
    QString error;
    QVERIFY(!CliCommandLine::parse(arguments, invocation, error));
    QVERIFY2(error.contains(reason), qPrintable(error));
}

void TestCli::usageNamesEveryCommand()
{
    const QString usage = CliCommandLine::usage();
    const QStringList commands = {"discover", "list", "add", "remove", "status", "config get", "config set",
                                  "config show", "name", "network", "password", "resolve-conflicts", "test-mail",
                                  "monitor", "audit", "add-range", "import", "change", "report availability"};
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

void TestCli::clockJsonValues()
{
    DevClock clock;
    clock.name = QStringLiteral("Lobby");
    clock.password = QStringLiteral("secret");
    clock.network.ip = QStringLiteral("192.168.0.21");
    clock.status.temperature = 21.5f;
    clock.status.NtpSynchronization = NtpSynchronized;
    clock.status.lastNtpServer = QStringLiteral("ntp1");
    clock.status.lastSyncTime = QStringLiteral("10:00:00");
    clock.status.lastStatusUpdate = QDateTime(QDate(2026, 12, 6), QTime(23, 5, 9));
    clock.networkInterface.name = QStringLiteral("veth0");
    clock.networkInterface.ip = QHostAddress(QStringLiteral("192.168.0.2"));

    const QJsonObject object = ClockPrinter::clockJson(clock, 0);
    compareSubset(object, {{"name", "Lobby"}, {"ip", "192.168.0.21"}, {"port", 2101}, {"temperature", 21.5},
                           {"lastStatusUpdate", "06.12.2026 23:05:09"}, {"DHCP", false},
                           {"statusText", "Synchronized: ntp1; Last synchronization time: 10:00:00; "
                                          "Last status update: 06.12.2026 23:05:09"}});
    compareSubset(object.value("NetworkCardData").toObject(), {{"ip", "192.168.0.2"}, {"netmask", ""}});
    // The password never appears, and a clock off the list has no index.
    QVERIFY(!QJsonDocument(object).toJson().contains("secret"));
    QVERIFY(!ClockPrinter::clockJson(clock).contains(QStringLiteral("index")));

    // The "no reading" marker keeps the state file's short form, not the float's noise.
    DevClock fresh;
    QCOMPARE(ClockPrinter::clockJson(fresh).value("temperature").toDouble(), -1000.9);
    // A state no clock reports is no status, not a guess.
    fresh.status.NtpSynchronization = 42;
    QCOMPARE(ClockPrinter::clockJson(fresh).value("statusText").toString(), QString());
}

void TestCli::tableColumnsLineUp()
{
    const QString text = ClockPrinter::formatTable({{"#", "Name", "IP"}, {"0", "Lobby clock", "10.0.0.1"},
                                                    {"12", "Hall", ""}});
    QCOMPARE(text, QStringLiteral("#   Name         IP\n"
                                  "0   Lobby clock  10.0.0.1\n"
                                  "12  Hall\n"));
}

void TestCli::configJsonChoiceTexts()
{
    QFETCH(QString, section);
    QFETCH(QString, field);
    QFETCH(int, value);
    QFETCH(QString, text);

    ClockConfig config;
    config.TimeZone = field == QLatin1String("TimeZone") ? value : 0;
    config.Localization = field == QLatin1String("Localization") ? value : 0;
    config.SummerTimeEndMonth = field == QLatin1String("SummerTimeEndMonth") ? value : 0;
    config.SummerTimeStartDate = field == QLatin1String("SummerTimeStartDate") ? value : 0;
    config.Mode = field == QLatin1String("Mode") ? value : 0;
    config.Brightness = field == QLatin1String("Brightness") ? value : 0;
    config.TemperatureUnit = field == QLatin1String("TemperatureUnit") ? value : 0;
    config.typeface = field == QLatin1String("typeface") ? value : 0;

    const QJsonObject object = ConfigPrinter::configJson(config);
    QCOMPARE(object.value(section).toObject().value(field).toInt(), value);
    QCOMPARE(object.value("choiceTexts").toObject().value(field).toString(), text);
}

void TestCli::configJsonAlarmsAndTimes()
{
    ClockConfig config;
    config.EcoStart = QTime(22, 30);
    config.TemperatureOffsetValue = -0.5f;
    config.Server1 = QStringLiteral("pool.ntp.org");
    Alarm &alarm = config.alarms[29];
    alarm.Active = true;
    alarm.Time = QTime(7, 5);
    alarm.Duration = 30;
    alarm.SelectedDaysMode = true;
    alarm.DayActive1 = true;
    alarm.DayActive7 = true;

    const QJsonObject object = ConfigPrinter::configJson(config);
    const QJsonObject display = object.value("Display").toObject();
    compareSubset(display, {{"EcoStart", "22:30"}, {"EcoEnd", ""}, {"TemperatureOffsetValue", -0.5}});
    QCOMPARE(display.size(), 22);
    QCOMPARE(object.value("Time").toObject().size(), 20);
    QCOMPARE(object.value("Time").toObject().value("Server1").toString(), QStringLiteral("pool.ntp.org"));

    const QJsonArray alarms = object.value("Alarms").toArray();
    QCOMPARE(alarms.size(), 30);
    compareSubset(alarms.at(29).toObject(), {{"index", 29}, {"Time", "07:05"}, {"Duration", 30}, {"DayActive1", true},
                                             {"DayActive2", false}, {"DayActive7", true}});
    QCOMPARE(alarms.at(0).toObject().value("Time").toString(), QString());
}

void TestCli::configTextShowsChoices()
{
    ClockConfig config;
    config.TimeZone = 15;
    config.FormatDate = 77;
    config.alarms[0].Active = true;
    config.alarms[0].Time = QTime(6, 45);
    config.alarms[0].Duration = 20;
    config.alarms[1].SelectedDaysMode = true;
    config.alarms[1].DayActive3 = true;

    const QStringList lines = ConfigPrinter::configText(config).split(QLatin1Char('\n'));
    auto lineOf = [&lines](const QString &start) {
        for (const QString &line : lines) {
            if (line.simplified().startsWith(start))
                return line.simplified();
        }
        return QString();
    };
    QCOMPARE(lineOf("TimeZone "), QStringLiteral("TimeZone 15 UTC + 1:00"));
    QCOMPARE(lineOf("FormatDate "), QStringLiteral("FormatDate 77 (not in the list)"));
    QCOMPARE(lineOf("TimeZoneActive "), QStringLiteral("TimeZoneActive off"));
    QCOMPARE(lineOf("1 "), QStringLiteral("1 on 06:45 20 s every day"));
    QCOMPARE(lineOf("2 "), QStringLiteral("2 off --:-- 0 s Wed"));
    QCOMPARE(lineOf("30 "), QStringLiteral("30 off --:-- 0 s every day"));
}

void TestCli::progressLine_data()
{
    TestRows::add(QStringLiteral("cli/cli.rows"));
    QTest::newRow("not a number") << std::nan("") << "Device search... 0%";
}

void TestCli::progressLine()
{
    QFETCH(double, value);
    QFETCH(QString, line);
    QCOMPARE(ProgressIndicator::progressLine(QStringLiteral("Device search"), value), line);
}

void TestCli::progressOnlyOnTerminal()
{
    QByteArray written;
    QBuffer buffer(&written);
    buffer.open(QIODevice::WriteOnly);
    QTextStream stream(&buffer);

    ProgressIndicator silent(stream, false);
    silent.setDelayMs(0);
    silent.start(QStringLiteral("Sending name"));
    silent.setProgress(0.5);
    QCoreApplication::processEvents();
    QVERIFY(!silent.isShown());
    silent.finish();
    QVERIFY(written.isEmpty());

    ProgressIndicator shown(stream, true);
    shown.setDelayMs(0);
    shown.start(QStringLiteral("Sending name"));
    QTRY_VERIFY_WITH_TIMEOUT(shown.isShown(), 5000);
    shown.setProgress(0.5);
    shown.finish();
    QCOMPARE(written, QByteArray("\r\x1b[KSending name... 0%\r\x1b[KSending name... 50%\r\x1b[K"));
}

void TestCli::printableText()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(CliOutput::printable(text), shown);
}

void TestCli::humanOutputIsSafeJsonIsExact()
{
    DevClock clock;
    clock.name = QStringLiteral("Lobby\x1b]0;owned\x07");

    QByteArray out;
    QByteArray err;
    QBuffer outBuffer(&out);
    QBuffer errBuffer(&err);
    outBuffer.open(QIODevice::WriteOnly);
    errBuffer.open(QIODevice::WriteOnly);
    CliOutput human(&outBuffer, &errBuffer, false);
    human.text(ClockPrinter::clockDetails(clock));
    human.message(clock.name);
    QVERIFY(!out.contains('\x1b') && !out.contains('\x07'));
    QVERIFY(out.startsWith("name:                Lobby?]0;owned?\n"));
    QCOMPARE(err, QByteArray("Lobby?]0;owned?\n"));

    out.clear();
    outBuffer.seek(0);
    CliOutput json(&outBuffer, &errBuffer, true);
    json.document(ClockPrinter::clockJson(clock));
    QCOMPARE(QJsonDocument::fromJson(out).object().value("name").toString(), clock.name);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
