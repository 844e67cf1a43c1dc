// Address plans of the largest size read (16 MB) that are no plan: how long
// the refusal takes and how much memory the reader holds meanwhile, each case
// in a child process of its own so that its peak resident size is its own.
// A plan of the most rows allowed shows what an accepted plan costs.
#include "persistence/PlanFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray address(int i)
{
    return "10." + QByteArray::number((i >> 16) & 255) + '.' + QByteArray::number((i >> 8) & 255) + '.'
        + QByteArray::number(i & 255);
}

QByteArray filled(QByteArray text, const QByteArray &row)
{
    text.reserve(AddressPlan::MaxBytes);
    while (text.size() + row.size() <= AddressPlan::MaxBytes)
        text += row;
    return text;
}

QByteArray validRows(int count, bool fill)
{
    QByteArray text = "ip,name\n";
    for (int i = 0; (fill ? text.size() + 24 <= AddressPlan::MaxBytes : i < count); ++i)
        text += address(i) + ",Clock " + QByteArray::number(i) + '\n';
    return text;
}

// The case's file is written and its bytes freed before the fork: the child
// starts small, and its peak is the reader's.
void measure(const char *label, const QString &path)
{
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child != 0) {
        int status = 0;
        ::waitpid(child, &status, 0);
        return;
    }
    QElapsedTimer timer;
    timer.start();
    const AddressPlan::Parsed plan = PlanFile::load(path);
    const qint64 ms = timer.elapsed();
    rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    const double cpuMs = usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3 + usage.ru_stime.tv_sec * 1e3
        + usage.ru_stime.tv_usec / 1e3;
    std::printf("%-30s %6lld ms wall %6.0f ms CPU %6.1f MB peak resident  %s\n", label, static_cast<long long>(ms),
                cpuMs, usage.ru_maxrss / 1024.0,
                plan.ok() ? qPrintable(QStringLiteral("%1 rows read").arg(plan.rows.size())) : qPrintable(plan.error));
    std::fflush(stdout);
    ::_exit(0);
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const char *const labels[] = {"16 MB of one-character rows", "16 MB of blank-field rows", "16 MB of valid rows",
                                  "16 MB in one unclosed quote", "the most rows a plan may hold"};
    for (int c = 0; c < 5; ++c) {
        const QString path = dir.filePath(QStringLiteral("plan.csv"));
        {
            const QByteArray data = c == 0 ? filled("ip\n", "1\n")
                : c == 1                   ? filled("ip,name\n", ",\n")
                : c == 2                   ? validRows(0, true)
                : c == 3                   ? filled("ip\n\"", "x")
                                           : validRows(AddressPlan::MaxRows, false);
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
                return 1;
        }
        measure(labels[c], path);
    }
    return 0;
}
