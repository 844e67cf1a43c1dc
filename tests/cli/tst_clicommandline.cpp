#include "CliCommandLine.h"

#include <QtTest>

using OptionMap = QHash<QString, QString>;
Q_DECLARE_METATYPE(CliCommand)
Q_DECLARE_METATYPE(OptionMap)

class TestCliCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void acceptedLines_data();
    void acceptedLines();
    void refusedLines_data();
    void refusedLines();
    void addresses_data();
    void addresses();
    void usageNamesEveryCommand();
};

void TestCliCommandLine::acceptedLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CliCommand>("command");
    QTest::addColumn<bool>("json");
    QTest::addColumn<QStringList>("positionals");
    QTest::addColumn<OptionMap>("options");

    QTest::newRow("list without anything") << QStringList{"list"} << CliCommand::List << false << QStringList()
                                           << OptionMap();
    QTest::newRow("--json before the command") << QStringList{"--json", "list"} << CliCommand::List << true
                                               << QStringList() << OptionMap();
    QTest::newRow("--json after the command") << QStringList{"status", "192.168.0.21", "--json"}
                                              << CliCommand::Status << true << QStringList{"192.168.0.21"}
                                              << OptionMap();
    QTest::newRow("config get with -o") << QStringList{"config", "get", "192.168.0.21", "-o", "a.qlxztc"}
                                        << CliCommand::ConfigGet << false << QStringList{"192.168.0.21"}
                                        << OptionMap{{"output", "a.qlxztc"}};
    QTest::newRow("config get with --output=") << QStringList{"config", "get", "--output=b c.qlxztc", "10.0.0.1"}
                                               << CliCommand::ConfigGet << false << QStringList{"10.0.0.1"}
                                               << OptionMap{{"output", "b c.qlxztc"}};
    QTest::newRow("config set to three clocks")
        << QStringList{"config", "set", "f.qlxztc", "10.0.0.1", "10.0.0.2", "10.0.0.3"} << CliCommand::ConfigSet
        << false << QStringList{"f.qlxztc", "10.0.0.1", "10.0.0.2", "10.0.0.3"} << OptionMap();
    QTest::newRow("leading zeros in an address are dropped")
        << QStringList{"remove", "192.168.000.021"} << CliCommand::Remove << false << QStringList{"192.168.0.21"}
        << OptionMap();
    QTest::newRow("a name that starts with a dash after --")
        << QStringList{"name", "10.0.0.1", "--", "-Lobby-"} << CliCommand::Name << false
        << QStringList{"10.0.0.1", "-Lobby-"} << OptionMap();
    QTest::newRow("a name with blanks and an ampersand")
        << QStringList{"name", "10.0.0.1", "Hall & Lobby"} << CliCommand::Name << false
        << QStringList{"10.0.0.1", "Hall & Lobby"} << OptionMap();
    QTest::newRow("network with every kind of option")
        << QStringList{"network", "10.0.0.1", "--ip", "10.0.0.9", "--dhcp", "off", "--web-timeout", "7",
                       "--dhcp-private-number", "0", "--remote-access=on"}
        << CliCommand::Network << false << QStringList{"10.0.0.1"}
        << OptionMap{{"ip", "10.0.0.9"}, {"dhcp", "off"}, {"web-timeout", "7"}, {"dhcp-private-number", "0"},
                     {"remote-access", "on"}};
    QTest::newRow("an empty password is a value")
        << QStringList{"resolve-conflicts", "--user", "admin", "--password", ""} << CliCommand::ResolveConflicts
        << false << QStringList() << OptionMap{{"user", "admin"}, {"password", ""}};
    QTest::newRow("a MAC with colons and lower case")
        << QStringList{"resolve-conflicts", "--user", "u", "--password", "p", "--first-mac", "02:a7:3c:dc:00:0f"}
        << CliCommand::ResolveConflicts << false << QStringList()
        << OptionMap{{"user", "u"}, {"password", "p"}, {"first-mac", "02-A7-3C-DC-00-0F"}};
    QTest::newRow("discover adds") << QStringList{"discover", "--add", "--user", "u"} << CliCommand::Discover
                                   << false << QStringList() << OptionMap{{"add", ""}, {"user", "u"}};
    QTest::newRow("password with credentials of the clock")
        << QStringList{"password", "10.0.0.1", "--old", "a", "--new", "b", "--user", "admin"}
        << CliCommand::Password << false << QStringList{"10.0.0.1"}
        << OptionMap{{"old", "a"}, {"new", "b"}, {"user", "admin"}};
    QTest::newRow("help word") << QStringList{"help"} << CliCommand::Help << false << QStringList() << OptionMap();
    QTest::newRow("help option") << QStringList{"--help"} << CliCommand::Help << false << QStringList()
                                 << OptionMap();
}

void TestCliCommandLine::acceptedLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(CliCommand, command);
    QFETCH(bool, json);
    QFETCH(QStringList, positionals);
    QFETCH(OptionMap, options);

    CliInvocation invocation;
    QString error;
    QVERIFY2(CliCommandLine::parse(arguments, invocation, error), qPrintable(error));
    QCOMPARE(invocation.command, command);
    QCOMPARE(invocation.json, json);
    QCOMPARE(invocation.arguments, positionals);
    QCOMPARE(invocation.options, options);
}

void TestCliCommandLine::refusedLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");

    QTest::newRow("nothing at all") << QStringList() << "no command";
    QTest::newRow("only --json") << QStringList{"--json"} << "no command";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << "unknown command";
    QTest::newRow("config without a verb") << QStringList{"config"} << "get, set or show";
    QTest::newRow("config with an unknown verb") << QStringList{"config", "delete", "x"} << "unknown command";
    QTest::newRow("list with an argument") << QStringList{"list", "extra"} << "expected no arguments";
    QTest::newRow("add without an address") << QStringList{"add"} << "expected 1 argument";
    QTest::newRow("address part above 255") << QStringList{"add", "192.168.0.256"} << "not an IPv4 address";
    QTest::newRow("address with three parts") << QStringList{"add", "192.168.0"} << "not an IPv4 address";
    QTest::newRow("host name instead of an address") << QStringList{"status", "clock.local"}
                                                     << "not an IPv4 address";
    QTest::newRow("IPv6 address") << QStringList{"status", "::1"} << "not an IPv4 address";
    QTest::newRow("unknown option") << QStringList{"status", "10.0.0.1", "--bogus"} << "unknown option --bogus";
    QTest::newRow("option of another command") << QStringList{"list", "--add"} << "unknown option --add";
    QTest::newRow("unknown short option") << QStringList{"list", "-x"} << "unknown option -x";
    QTest::newRow("on|off given yes") << QStringList{"network", "10.0.0.1", "--dhcp", "yes"} << "on or off";
    QTest::newRow("negative number") << QStringList{"network", "10.0.0.1", "--web-timeout=-1"} << "a number";
    QTest::newRow("number that is text") << QStringList{"network", "10.0.0.1", "--web-timeout", "abc"}
                                         << "a number";
    QTest::newRow("number beyond int") << QStringList{"network", "10.0.0.1", "--web-timeout", "99999999999"}
                                       << "a number";
    QTest::newRow("DHCP option number 256") << QStringList{"network", "10.0.0.1", "--dhcp-private-number", "256"}
                                            << "from 0 to 255";
    QTest::newRow("subnet that is no address") << QStringList{"network", "10.0.0.1", "--subnet", "/24"}
                                               << "not an IPv4 address";
    QTest::newRow("password without --new") << QStringList{"password", "10.0.0.1", "--old", "a"}
                                            << "--new is required";
    QTest::newRow("config get without -o") << QStringList{"config", "get", "10.0.0.1"} << "--output is required";
    QTest::newRow("-o without a value") << QStringList{"config", "get", "10.0.0.1", "-o"} << "needs a value";
    QTest::newRow("config set without an address") << QStringList{"config", "set", "f.qlxztc"}
                                                   << "expected 2 argument";
    QTest::newRow("config set with a bad second address")
        << QStringList{"config", "set", "f.qlxztc", "10.0.0.1", "10.0.0"} << "not an IPv4 address";
    QTest::newRow("resolve-conflicts without a password") << QStringList{"resolve-conflicts", "--user", "u"}
                                                          << "--password is required";
    QTest::newRow("MAC with five parts")
        << QStringList{"resolve-conflicts", "--user", "u", "--password", "p", "--first-mac", "02-A7-3C-DC-00"}
        << "not a MAC address";
    QTest::newRow("flag given a value") << QStringList{"discover", "--add=yes"} << "takes no value";
    QTest::newRow("option given twice") << QStringList{"status", "10.0.0.1", "--user", "a", "--user", "b"}
                                        << "given twice";
    QTest::newRow("empty name") << QStringList{"name", "10.0.0.1", ""} << "name is empty";
    QTest::newRow("save interval of zero") << QStringList{"monitor", "--save-interval", "0"} << "a number";
    QTest::newRow("metrics on port zero") << QStringList{"monitor", "--metrics", "0"} << "[ADDRESS:]PORT";
    QTest::newRow("metrics on a host name") << QStringList{"monitor", "--metrics", "localhost:9464"}
                                            << "[ADDRESS:]PORT";
    QTest::newRow("metrics on an unbracketed IPv6 address") << QStringList{"monitor", "--metrics", "::1:9464"}
                                                            << "[ADDRESS:]PORT";
    QTest::newRow("interface that is no address") << QStringList{"add", "10.0.0.1", "--interface", "eth0"}
                                                  << "not an IPv4 address";
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

void TestCliCommandLine::addresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("canonical");

    QTest::newRow("plain") << "192.168.0.11" << "192.168.0.11";
    QTest::newRow("zeros") << "0.0.0.0" << "0.0.0.0";
    QTest::newRow("padded") << "010.001.000.009" << "10.1.0.9";
    QTest::newRow("four digits in a part") << "1000.0.0.1" << "";
    QTest::newRow("trailing dot") << "10.0.0.1." << "";
    QTest::newRow("blank inside") << "10.0. 0.1" << "";
    QTest::newRow("single number") << "167772161" << "";
    QTest::newRow("empty") << "" << "";
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
