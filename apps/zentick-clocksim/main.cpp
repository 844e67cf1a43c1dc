// zentick-clocksim: simulated clocks for trying and testing Zentick without hardware.
#include "tools/clocksim/ClockFileLoader.h"
#include "tools/clocksim/ControlServer.h"
#include "tools/clocksim/DiscoveryResponder.h"
#include "tools/clocksim/HttpConnection.h"
#include "tools/clocksim/HttpFrontEnd.h"
#include "tools/clocksim/Simulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QLocalSocket>
#include <QSaveFile>
#include <QTextStream>

#include <sys/resource.h>

namespace {

constexpr quint16 kHttpPort = 80;
constexpr quint16 kDiscoveryPort = 9666;
constexpr int kAskTimeoutMs = 5000;

enum ExitCode { kExitOk = 0, kExitUsage = 1, kExitClockFile = 2, kExitBind = 3, kExitControl = 4 };

int fail(int code, const QString& message)
{
    QTextStream(stderr) << "zentick-clocksim: " << message << '\n';
    return code;
}

bool readPort(const QString& text, quint16* port)
{
    bool ok = false;
    const uint value = text.toUInt(&ok);
    if (!ok || value > 65535)
        return false;
    *port = static_cast<quint16>(value);
    return true;
}

// Client mode: send one command to a running simulator and print its answer.
int ask(const QString& controlPath, const QString& command)
{
    QLocalSocket socket;
    socket.connectToServer(controlPath);
    if (!socket.waitForConnected(kAskTimeoutMs))
        return fail(kExitControl, QStringLiteral("cannot reach %1: %2").arg(controlPath, socket.errorString()));
    socket.write(command.toUtf8() + '\n');
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(kAskTimeoutMs))
            return fail(kExitControl, QStringLiteral("no answer from %1").arg(controlPath));
    }
    const QJsonDocument reply = QJsonDocument::fromJson(socket.readLine());
    QTextStream(stdout) << reply.toJson(QJsonDocument::Indented);
    return reply.object().value(QStringLiteral("ok")).toBool() ? kExitOk : kExitControl;
}

// One listening socket per clock and one per connection: ten thousand
// clocks need more than the usual soft limit of open files.
void raiseOpenFileLimit()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

} // namespace

int main(int argc, char** argv)
{
    raiseOpenFileLimit();
    // With TZ unset the C library looks at the zone file on every local
    // time, and every logged request takes two.
    if (!qEnvironmentVariableIsSet("TZ"))
        qputenv("TZ", ":/etc/localtime");
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zentick-clocksim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulates networked LED wall clocks: discovery on UDP 9666 and the HTTP commands on port 80."));
    parser.addHelpOption();
    const QCommandLineOption clocksOption(QStringLiteral("clocks"), QStringLiteral("Clock file (JSON)."),
                                          QStringLiteral("file"));
    const QCommandLineOption generateOption(QStringLiteral("generate"), QStringLiteral("Make N clocks."),
                                            QStringLiteral("N"));
    const QCommandLineOption firstIpOption(QStringLiteral("first-ip"),
                                           QStringLiteral("Address of the first generated clock."),
                                           QStringLiteral("A.B.C.D"), QStringLiteral("192.168.0.10"));
    const QCommandLineOption sameOption(QStringLiteral("same-address"),
                                        QStringLiteral("Generated clocks all share the first address."));
    const QCommandLineOption httpPortOption(QStringLiteral("http-port"), QStringLiteral("HTTP port (80)."),
                                            QStringLiteral("port"), QString::number(kHttpPort));
    const QCommandLineOption discoveryPortOption(QStringLiteral("discovery-port"),
                                                 QStringLiteral("Discovery UDP port (9666)."),
                                                 QStringLiteral("port"), QString::number(kDiscoveryPort));
    const QCommandLineOption logOption(QStringLiteral("log"), QStringLiteral("Request log, one JSON line each."),
                                       QStringLiteral("file"));
    const QCommandLineOption controlOption(QStringLiteral("control"), QStringLiteral("Control socket path."),
                                           QStringLiteral("path"));
    const QCommandLineOption readyOption(QStringLiteral("ready-file"),
                                         QStringLiteral("Written once every socket is open."),
                                         QStringLiteral("file"));
    const QCommandLineOption timeOption(QStringLiteral("fixed-time"),
                                        QStringLiteral("Freeze the clocks' time (ISO date-time); no drift."),
                                        QStringLiteral("time"));
    const QCommandLineOption timeoutOption(QStringLiteral("request-timeout"),
                                           QStringLiteral("Close a connection without a complete request after ms."),
                                           QStringLiteral("ms"), QStringLiteral("30000"));
    const QCommandLineOption askOption(QStringLiteral("ask"),
                                       QStringLiteral("Send a command to the simulator at --control and print the answer."),
                                       QStringLiteral("command"));
    parser.addOptions({clocksOption, generateOption, firstIpOption, sameOption, httpPortOption, discoveryPortOption,
                       logOption, controlOption, readyOption, timeOption, timeoutOption, askOption});
    parser.process(app);

    if (parser.isSet(askOption)) {
        if (!parser.isSet(controlOption))
            return fail(kExitUsage, QStringLiteral("--ask needs --control"));
        return ask(parser.value(controlOption), parser.value(askOption));
    }

    quint16 httpPort = 0;
    quint16 discoveryPort = 0;
    if (!readPort(parser.value(httpPortOption), &httpPort) || !readPort(parser.value(discoveryPortOption), &discoveryPort))
        return fail(kExitUsage, QStringLiteral("ports are numbers from 0 to 65535"));
    bool timeoutOk = false;
    const int requestTimeout = parser.value(timeoutOption).toInt(&timeoutOk);
    if (!timeoutOk || requestTimeout <= 0)
        return fail(kExitUsage, QStringLiteral("--request-timeout: expected milliseconds above 0"));
    HttpConnection::setRequestTimeoutMs(requestTimeout);

    QVector<SimClock> clocks;
    QString error;
    if (parser.isSet(clocksOption) == parser.isSet(generateOption))
        return fail(kExitUsage, QStringLiteral("give either --clocks FILE or --generate N (see --help)"));
    if (parser.isSet(clocksOption)) {
        if (!ClockFileLoader::loadFile(parser.value(clocksOption), &clocks, &error))
            return fail(kExitClockFile, error);
    } else {
        bool ok = false;
        const int count = parser.value(generateOption).toInt(&ok);
        if (!ok || !ClockFileLoader::generate(count, QHostAddress(parser.value(firstIpOption)),
                                              parser.isSet(sameOption), &clocks, &error))
            return fail(kExitUsage, ok ? error : QStringLiteral("--generate: expected a number"));
    }

    Simulator simulator(clocks);
    if (parser.isSet(timeOption)) {
        const QDateTime fixed = QDateTime::fromString(parser.value(timeOption), Qt::ISODate);
        if (!fixed.isValid())
            return fail(kExitUsage, QStringLiteral("--fixed-time: expected YYYY-MM-DDThh:mm:ss"));
        simulator.setFixedTime(fixed);
    }
    if (parser.isSet(logOption) && !simulator.log().open(parser.value(logOption), &error))
        return fail(kExitUsage, error);

    HttpFrontEnd http(&simulator, httpPort);
    if (!http.sync(&error))
        return fail(kExitBind, error);
    DiscoveryResponder discovery(&simulator);
    if (!discovery.listen(discoveryPort, &error))
        return fail(kExitBind, error);
    ControlServer control(&simulator);
    if (parser.isSet(controlOption) && !control.listen(parser.value(controlOption), &error))
        return fail(kExitBind, error);

    QTextStream out(stdout);
    for (int i = 0; i < clocks.size(); ++i) {
        const SimClock& clock = clocks.at(i);
        out << "clock " << i << ": " << clock.ip.toString() << " " << clock.productCode << " firmware "
            << clock.firmwareText() << " mac " << clock.macText() << " user \"" << clock.user << "\""
            << (clock.faults.refuse ? " (refusing)" : "") << '\n';
    }
    out << "ready: HTTP port " << httpPort << ", discovery port " << discovery.port() << Qt::endl;

    if (parser.isSet(readyOption)) {
        QSaveFile ready(parser.value(readyOption));
        if (!ready.open(QIODevice::WriteOnly) || ready.write("ready\n") < 0 || !ready.commit())
            return fail(kExitUsage, QStringLiteral("cannot write %1").arg(parser.value(readyOption)));
    }
    return app.exec();
}
