// Address plans of the largest size read (16 MB) that are no plan: how long
// the refusal takes and how much memory the reader holds meanwhile, each case
// in a child process of its own so that its peak resident size is its own.
// A plan of the most rows allowed shows what an accepted plan costs.
#include "PlanFile.h"

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
    std::printf("%-34s %6lld ms  %6.1f MB peak resident  %s\n", label, static_cast<long long>(ms),
                usage.ru_maxrss / 1024.0,
                plan.ok() ? qPrintable(QStringLiteral("%1 rows read").arg(plan.rows.size())) : qPrintable(plan.error));
    std::fflush(stdout);
    ::_exit(0);
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const struct
    {
        const char *label;
        QByteArray data;
    } cases[] = {
        {"16 MB of one-character rows", filled("ip\n", "1\n")},
        {"16 MB of blank-field rows", filled("ip,name\n", ",\n")},
        {"16 MB of valid rows", validRows(0, true)},
        {"16 MB in one unclosed quote", filled("ip\n\"", "x")},
        {"the most rows a plan may hold", validRows(AddressPlan::MaxRows, false)},
    };
    for (const auto &c : cases) {
        const QString path = dir.filePath(QStringLiteral("plan.csv"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(c.data) != c.data.size())
            return 1;
        file.close();
        measure(c.label, path);
    }
    return 0;
}
