#include "tests/clocksim/RawHttpClient.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QTcpSocket>

RawHttpClient::Result RawHttpClient::exchange(const QString& address, const QByteArray& request, int waitMs)
{
    Result result;
    QTcpSocket socket;
    socket.connectToHost(QHostAddress(address), kPort);
    if (!socket.waitForConnected(waitMs))
        return result;
    result.connected = true;
    socket.write(request);
    socket.flush();
    QDeadlineTimer deadline(waitMs);
    while (!deadline.hasExpired()) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            if (socket.state() != QAbstractSocket::ConnectedState) {
                result.closedByPeer = true;
                break;
            }
            continue;
        }
        result.reply += socket.readAll();
    }
    result.reply += socket.readAll();
    return result;
}

int RawHttpClient::statusOf(const QByteArray& reply)
{
    const QList<QByteArray> words = reply.left(reply.indexOf("\r\n")).split(' ');
    return words.size() >= 2 ? words.at(1).toInt() : -1;
}
