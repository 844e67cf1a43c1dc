// The mail of one incident that names many clocks (3000 by default, as when
// a building's switch fails): how long composing it takes, its size on the
// wire and its longest line, against the mail line limit and a megabyte.
//   bench_incident_mail [clocks]
#include "notify/IncidentMail.h"
#include "notify/MailEncoding.h"
#include "notify/Smtp.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int clocks = argc > 1 ? std::atoi(argv[1]) : 3000;
    QList<IncidentMail::Entry> entries;
    const QDateTime since = QDateTime::currentDateTimeUtc().addSecs(-600);
    for (int i = 0; i < clocks; ++i) {
        IncidentMail::Entry entry;
        entry.name = QStringLiteral("Corridor %1 – wing %2").arg(i).arg(i % 7);
        entry.ip = QStringLiteral("10.%1.%2.%3").arg(i / 65536).arg(i / 256 % 256).arg(i % 256);
        entry.group = QStringLiteral("Building %1").arg(i % 12);
        entry.kind = i % 10 == 0 ? 6 : 3;
        entry.since = since.addSecs(i % 60);
        entries << entry;
    }
    QElapsedTimer timer;
    timer.start();
    IncidentMail::sort(entries);
    const QString subject = IncidentMail::alertSubject(entries);
    const QString body = IncidentMail::alertBody(entries);
    const QByteArray message = Smtp::composeMessage(QStringLiteral("Zentick <monitor@example.org>"),
                                                    {{QStringLiteral("ops@example.org"), false}}, subject, body);
    const double ms = timer.nsecsElapsed() / 1e6;
    std::printf("incident mail naming %d clocks: composed in %.1f ms, %.1f kB on the wire (goal <= 1024 kB), "
                "longest line %d characters (limit %d)\n",
                clocks, ms, message.size() / 1024.0, MailEncoding::longestLine(message), MailEncoding::maxLineLength);
    return 0;
}
