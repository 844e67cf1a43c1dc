#include "AppSettings.h"
#include "ClockConfig.h"
#include "ConfigurationFiles.h"
#include "StateFile.h"
#include "SampleConfig.h"
#include "StateSamples.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Every writer of the program's files, by name.
bool writeFile(const QString &writer, const QString &path)
{
    ClockConfig config;
    SampleConfig::fill(config, 1);
    if (writer == QLatin1String("state file")) {
        const StateSamples::Sample sample = StateSamples::golden();
        return StateFile::save(path, sample.clocks(), sample.groups(), sample.settings);
    }
    if (writer == QLatin1String("configuration file"))
        return ConfigurationFiles::saveConfiguration(path, config);
    if (writer == QLatin1String("display export"))
        return ConfigurationFiles::exportDisplay(path, config);
    return ConfigurationFiles::exportAlarms(path, config);
}

// Makes the disk "full" after a few bytes: writes past the limit fail with
// EFBIG instead of raising SIGXFSZ. Restored on destruction.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    bool isActive() const { return m_active; }

private:
    rlimit m_saved {};
    void (*m_previousHandler)(int) = nullptr;
    bool m_active = false;
};

} // namespace

class TestFileWrite : public QObject
{
    Q_OBJECT

private slots:
    void failedWriteKeepsPreviousFile_data();
    void failedWriteKeepsPreviousFile();
};

void TestFileWrite::failedWriteKeepsPreviousFile_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("failure");
    const QStringList writers = {QStringLiteral("state file"), QStringLiteral("configuration file"),
                                 QStringLiteral("display export"), QStringLiteral("alarms export")};
    const QStringList failures = {QStringLiteral("folder missing"), QStringLiteral("target is a folder"),
                                  QStringLiteral("disk full mid-write"), QStringLiteral("read-only folder")};
    for (const QString &writer : writers) {
        for (const QString &failure : failures)
            QTest::addRow("%s, %s", qPrintable(writer), qPrintable(failure)) << writer << failure;
    }
}

void TestFileWrite::failedWriteKeepsPreviousFile()
{
    QFETCH(QString, writer);
    QFETCH(QString, failure);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray previous("<previous/>");
    QString path = dir.filePath(QStringLiteral("file.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(previous);
    file.close();

    std::unique_ptr<FileSizeLimit> limit;
    if (failure == QLatin1String("folder missing")) {
        path = dir.filePath(QStringLiteral("missing/file.xml"));
    } else if (failure == QLatin1String("target is a folder")) {
        path = dir.path();
    } else if (failure == QLatin1String("disk full mid-write")) {
        limit = std::make_unique<FileSizeLimit>(previous.size() + 100);
        QVERIFY(limit->isActive());
    } else {
        if (geteuid() == 0)
            QSKIP("permissions do not bind root");
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }

    QTest::ignoreMessage(QtDebugMsg, "Error: Cannot write file");
    const bool written = writeFile(writer, path);
    limit.reset();
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!written);

    QFile check(dir.filePath(QStringLiteral("file.xml")));
    QVERIFY(check.open(QIODevice::ReadOnly));
    QCOMPARE(check.readAll(), previous);
    // No temporary file is left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("file.xml")});
}

QTEST_GUILESS_MAIN(TestFileWrite)
#include "tst_filewrite.moc"
