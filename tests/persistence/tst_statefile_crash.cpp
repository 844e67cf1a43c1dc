#include "StateFile.h"
#include "StateSamples.h"
#include "XmlFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

// A child process saves a large state file in a loop and is killed with
// SIGKILL at random moments; after every kill the file must hold exactly the
// content of one complete save, and both contents load.
//
// The child is forked rather than started afresh: a sanitizer build needs a
// good part of a second to start a program, a hundred times over.

namespace {

constexpr int kills = 40;
constexpr int clockCount = 150;
constexpr int readyTimeoutMs = 60000;

// Two complete contents of the same size; a torn or mixed file equals
// neither.
QByteArray content(StateSamples::Sample &sample, char variant)
{
    sample.settings.server = QStringLiteral("smtp-%1.example.org").arg(QLatin1Char(variant));
    return sample.serialize();
}

// The child: writes the two contents to the state file in turn, exactly as
// a save writes its bytes, until it is killed. Reports the duration of its
// first save on the pipe.
[[noreturn]] void saveLoop(const QString &path, const QByteArray &first, const QByteArray &second, int pipe)
{
    QElapsedTimer timer;
    timer.start();
    XmlFile::write(path, first, XmlFile::Access::OwnerOnly);
    char line[32];
    const int length = std::snprintf(line, sizeof line, "%lld\n", static_cast<long long>(timer.elapsed()));
    if (write(pipe, line, size_t(length)) != length)
        _exit(1);
    for (unsigned i = 1;; ++i)
        XmlFile::write(path, i % 2 ? second : first, XmlFile::Access::OwnerOnly);
}

// The first save's duration in ms, -1 when the child did not report.
int readReady(int pipe)
{
    pollfd ready {pipe, POLLIN, 0};
    if (poll(&ready, 1, readyTimeoutMs) != 1)
        return -1;
    char line[32] = {};
    if (read(pipe, line, sizeof line - 1) <= 0)
        return -1;
    return std::atoi(line);
}

} // namespace

class TestStateFileCrash : public QObject
{
    Q_OBJECT

private slots:
    void killedSaveLeavesOldOrNewFile();
};

void TestStateFileCrash::killedSaveLeavesOldOrNewFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("settings.xml"));
    StateSamples::Sample sample = StateSamples::large(clockCount, 5, 3);
    const QByteArray oldContent = content(sample, 'A');
    const QByteArray newContent = content(sample, 'B');
    for (const QByteArray &whole : {oldContent, newContent}) {
        StateFile::Lists lists;
        NotificationSettings settings;
        QVERIFY(StateFile::parse(whole, lists, settings));
        QCOMPARE(int(lists.clocks.size()), clockCount);
    }
    QVERIFY(XmlFile::write(path, oldContent));

    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    int leftTemporaries = 0;
    int newSeen = 0;
    for (int kill = 0; kill < kills; ++kill) {
        int fds[2];
        QVERIFY(pipe(fds) == 0);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            close(fds[0]);
            saveLoop(path, newContent, oldContent, fds[1]);
        }
        close(fds[1]);
        const int saveMs = readReady(fds[0]);
        close(fds[0]);
        if (saveMs >= 0) // Anywhere within the next two saves.
            QThread::usleep(random.bounded(2 * (saveMs + 1) * 1000));
        ::kill(child, SIGKILL);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY2(saveMs >= 0, "the child did not report its first save");
        QVERIFY(WIFSIGNALED(status));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(bytes == oldContent || bytes == newContent,
                 qPrintable(QStringLiteral("kill %1 (seed %2): %3 bytes of neither content")
                                .arg(kill)
                                .arg(seed)
                                .arg(bytes.size())));
        newSeen += bytes == newContent ? 1 : 0;

        // A kill inside a save may leave its temporary file behind, as a real
        // crash does; it never replaces the state file.
        const QStringList leftovers
            = QDir(dir.path()).entryList({QStringLiteral("settings.xml?*")}, QDir::Files | QDir::Hidden);
        leftTemporaries += leftovers.size();
        for (const QString &name : leftovers)
            QFile::remove(dir.filePath(name));
    }
    qInfo("%d kills (seed %u): new content %d times, old %d times, %d temporary files left", kills, seed,
          newSeen, kills - newSeen, leftTemporaries);
}

QTEST_GUILESS_MAIN(TestStateFileCrash)
#include "tst_statefile_crash.moc"
