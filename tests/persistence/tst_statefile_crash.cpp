#include "persistence/StateFile.h"
#include "tests/persistence/StateSamples.h"
#include "tests/support/TestFiles.h"
#include "persistence/XmlFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// A child process saves a large state file in a loop and is killed with
// SIGKILL at random moments; after every kill the file must hold exactly the
// content of one complete save, and both contents load.
//
// The child is forked rather than started afresh: a sanitizer build needs a
// good part of a second to start a program, a hundred times over.
class TestStateFileCrash : public QObject
{
    Q_OBJECT

private slots:
    void killedSaveLeavesOldOrNewFile();
};

void TestStateFileCrash::killedSaveLeavesOldOrNewFile()
{
    constexpr int kills = 40;
    constexpr int clockCount = 150;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("settings.xml"));
    // Two complete contents of the same size; a torn or mixed file equals neither.
    StateSamples::Sample sample = StateSamples::large(clockCount, 5, 3);
    sample.settings.server = QStringLiteral("smtp-a.example.org");
    const QByteArray oldContent = sample.serialize();
    sample.settings.server = QStringLiteral("smtp-b.example.org");
    const QByteArray newContent = sample.serialize();
    for (const QByteArray &whole : {oldContent, newContent}) {
        StateFile::Lists lists;
        NotificationSettings settings;
        QVERIFY(StateFile::parse(whole, lists, settings));
        QCOMPARE(int(lists.clocks.size()), clockCount);
    }
    QElapsedTimer timer;
    timer.start();
    QVERIFY(XmlFile::write(path, oldContent, XmlFile::Access::OwnerOnly));
    const qint64 saveUs = timer.nsecsElapsed() / 1000 + 1;

    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    int leftTemporaries = 0;
    int newSeen = 0;
    for (int kill = 0; kill < kills; ++kill) {
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            // Saves exactly as the program does, until it is killed.
            for (unsigned i = 0;; ++i)
                XmlFile::write(path, i % 2 ? oldContent : newContent, XmlFile::Access::OwnerOnly);
        }
        // Anywhere within the first few saves.
        QThread::usleep(random.bounded(quint32(4 * saveUs)));
        ::kill(child, SIGKILL);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));

        const QByteArray bytes = TestFiles::read(path);
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
