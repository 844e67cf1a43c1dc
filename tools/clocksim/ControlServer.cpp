#include "tools/clocksim/ControlServer.h"

#include <QJsonDocument>
#include <QLocalSocket>

namespace {

constexpr int kMaxLine = 64 * 1024;

QJsonObject failure(const QString& error)
{
    return QJsonObject{{QStringLiteral("ok"), false}, {QStringLiteral("error"), error}};
}

QJsonObject success()
{
    return QJsonObject{{QStringLiteral("ok"), true}};
}

} // namespace

ControlServer::ControlServer(Simulator* simulator, QObject* parent)
    : QObject(parent)
    , m_simulator(simulator)
{
    connect(&m_server, &QLocalServer::newConnection, this, &ControlServer::onNewConnection);
}

bool ControlServer::listen(const QString& path, QString* error)
{
    QLocalServer::removeServer(path);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(path)) {
        *error = QStringLiteral("cannot open the control socket %1: %2").arg(path, m_server.errorString());
        return false;
    }
    return true;
}

void ControlServer::onNewConnection()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                QByteArray line = socket->readLine(kMaxLine);
                const QJsonObject reply = execute(line.trimmed());
                socket->write(QJsonDocument(reply).toJson(QJsonDocument::Compact) + '\n');
            }
            if (socket->bytesAvailable() > kMaxLine) {
                socket->write(QJsonDocument(failure(QStringLiteral("command line too long")))
                                  .toJson(QJsonDocument::Compact) + '\n');
                socket->disconnectFromServer();
            }
        });
    }
}

QJsonObject ControlServer::execute(const QByteArray& line)
{
    const int blank = line.indexOf(' ');
    const QByteArray command = blank < 0 ? line : line.left(blank);
    const QByteArray argument = blank < 0 ? QByteArray() : line.mid(blank + 1).trimmed();
    QString error;
    if (command == "ping")
        return success();
    if (command == "state") {
        QJsonObject state = m_simulator->state();
        state.insert(QStringLiteral("ok"), true);
        return state;
    }
    if (command == "reset") {
        m_simulator->reset();
        return success();
    }
    if (command == "clear-log")
        return m_simulator->log().clear(&error) ? success() : failure(error);
    if (command == "faults" || command == "status") {
        const int space = argument.indexOf(' ');
        bool ok = false;
        const int clock = argument.left(space).toInt(&ok);
        const QJsonDocument object = QJsonDocument::fromJson(argument.mid(space + 1));
        if (space < 0 || !ok || !object.isObject())
            return failure(QStringLiteral("usage: %1 CLOCK-INDEX {json}").arg(QString::fromLatin1(command)));
        const bool done = command == "faults" ? m_simulator->setFaults(clock, object.object(), &error)
                                              : m_simulator->setStatus(clock, object.object(), &error);
        return done ? success() : failure(error);
    }
    if (command == "move") {
        // A new DHCP lease: the clock answers at the address from now on.
        const QList<QByteArray> words = argument.split(' ');
        bool ok = false;
        const int clock = words.value(0).toInt(&ok);
        if (words.size() != 2 || !ok)
            return failure(QStringLiteral("usage: move CLOCK-INDEX ADDRESS"));
        return m_simulator->moveTo(clock, QString::fromLatin1(words.at(1)), &error) ? success() : failure(error);
    }
    if (command == "time") {
        if (argument == "real") {
            m_simulator->setFixedTime(QDateTime());
            return success();
        }
        const QDateTime time = QDateTime::fromString(QString::fromLatin1(argument), Qt::ISODate);
        if (!time.isValid())
            return failure(QStringLiteral("usage: time YYYY-MM-DDThh:mm:ss | time real"));
        m_simulator->setFixedTime(time);
        return success();
    }
    return failure(QStringLiteral("unknown command \"%1\"").arg(QString::fromLatin1(command)));
}
