// Prints how long one HTTP exchange takes against a loopback peer that
// answers and closes, one that answers with a length header and keeps the
// line open, and one that keeps it open without a length header. Only the
// last should pay the quiet period. A body longer than a segment to
// firmware 3.00 goes as head, pause, body, and pays the pause. Needs root
// (port 80 on 127.0.0.208).
#include "transport/CommandWWW.h"
#include "tests/transport/HttpPeer.h"
#include "transport/WWWParameters.h"
#include "transport/WorkerFactory.h"
#include "transport/WorkerThread.h"
#include "transport/WorkerThreadPool.h"
#include "transport/WorkerWWW.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

namespace {

const QHostAddress peerAddress(QStringLiteral("127.0.0.208"));
constexpr int rounds = 5;

// Milliseconds from start to the delivered result; -1 when the exchange failed.
double exchangeOnce(WorkerThreadPool &workers, const QByteArray &body)
{
    CommandWWW command(ReadStatus, body);
    WorkerThread *thread = makeWorkerThread(
        command, std::make_unique<WWWParameters>(peerAddress, QHostAddress(), "admin", "admin", 305));
    QEventLoop loop;
    bool failed = true;
    QObject::connect(thread, &WorkerThread::Finished, &loop, [&](Worker *worker, int) {
        failed = worker->error();
        loop.quit();
    });
    QTimer::singleShot(15000, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    workers.start(thread);
    loop.exec();
    const double ms = clock.nsecsElapsed() / 1e6;
    return failed ? -1 : ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    HttpPeer peer(peerAddress);
    if (!peer.listen()) {
        out << "cannot listen on " << peerAddress.toString() << ":80 (needs root)\n";
        return 1;
    }

    const QByteArray body = "T=23.5&L=7&S=1&N=1";
    const QByteArray withLength =
        "HTTP/1.1 200 OK\r\nCONTENT-LENGTH: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
    const QByteArray withoutLength = "HTTP/1.1 200 OK\r\n\r\n" + body;
    const struct
    {
        const char *name;
        HttpPeer::Plan plan;
        QByteArray body;
    } scenarios[] = {
        {"answers and closes", HttpPeer::answer(withoutLength, true), QByteArray()},
        {"CONTENT-LENGTH, line kept open", HttpPeer::answer(withLength, false), QByteArray()},
        {"no length header, line kept open", HttpPeer::answer(withoutLength, false), QByteArray()},
        {"1461-byte body in two parts", HttpPeer::answer(withLength, false), QByteArray(1461, 'a')},
    };

    WorkerThreadPool workers;
    out << "HTTP exchange against a loopback peer, " << rounds << " rounds each (ms)\n";
    for (const auto &scenario : scenarios) {
        peer.setPlan(scenario.plan);
        QVector<double> times;
        // Between the head's arrival and the body's, when it came in parts.
        QVector<double> pauses;
        for (int i = 0; i < rounds; ++i) {
            times.append(exchangeOnce(workers, scenario.body));
            const QList<HttpPeer::Arrival> arrivals = peer.arrivals();
            if (!scenario.body.isEmpty() && arrivals.size() > 1)
                pauses.append(double(arrivals.at(1).atMs - arrivals.first().atMs));
        }
        const auto print = [&out](const QString &name, QVector<double> figures) {
            std::sort(figures.begin(), figures.end());
            out << QString("  %1  min %2  median %3  max %4\n")
                       .arg(name, -34)
                       .arg(figures.first(), 8, 'f', 1)
                       .arg(figures.at(figures.size() / 2), 8, 'f', 1)
                       .arg(figures.last(), 8, 'f', 1);
        };
        print(QString::fromLatin1(scenario.name), times);
        if (!pauses.isEmpty())
            print(QStringLiteral("  pause on the wire"), pauses);
        out.flush();
    }
    return 0;
}
