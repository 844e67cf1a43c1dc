#include "AppSettings.h"
#include "ClockConfig.h"
#include "ConfigurationFileActions.h"
#include "ConfigurationFiles.h"
#include "SampleConfig.h"
#include "StateFile.h"
#include "StateSamples.h"
#include "TestRows.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString rows = QStringLiteral("persistence/configfiles.rows");

using Parser = std::unique_ptr<ClockConfig> (*)(const QByteArray &);
using Writer = QByteArray (*)(const ClockConfigFields &);

Parser parserFor(const QString &kind)
{
    if (kind == QLatin1String("own"))
        return ConfigurationFiles::parseOwnFile;
    return kind == QLatin1String("display") ? ConfigurationFiles::parseDisplayFile : ConfigurationFiles::parseAlarmsFile;
}

Writer writerFor(const QString &kind)
{
    if (kind == QLatin1String("own"))
        return ConfigurationFiles::ownFileData;
    return kind == QLatin1String("display") ? ConfigurationFiles::displayFileData : ConfigurationFiles::alarmsFileData;
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

// The configuration files and the exports byte for byte, what their readers
// make of other files, the editor's file actions, and a failed write of any
// file the program writes, which must leave the previous file as it was.
class TestConfigurationFiles : public QObject
{
    Q_OBJECT

private slots:
    void goldenFiles_data();
    void goldenFiles();
    void readers_data() { TestRows::add(rows); }
    void readers();
    void unreadableInput_data() { TestRows::add(rows); }
    void unreadableInput();
    void temperatureOffset_data() { TestRows::add(rows); }
    void temperatureOffset();
    void exportsImportOnlyTheirPart();
    void fileActions_data() { TestRows::add(rows); }
    void fileActions();
    void failedWriteKeepsPreviousFile_data();
    void failedWriteKeepsPreviousFile();

private:
    QTemporaryDir m_dir;
};

void TestConfigurationFiles::goldenFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("golden");
    QTest::newRow("own configuration file") << "own" << "configuration.qlxztc";
    QTest::newRow("display export") << "display" << "display.xml";
    QTest::newRow("alarms export") << "alarms" << "alarms.xml";
}

void TestConfigurationFiles::goldenFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, golden);
    ClockConfig config;
    SampleConfig::fill(config, 7);

    QString difference;
    QVERIFY2(TestRows::matchesData(golden, writerFor(kind)(config), &difference), qPrintable(difference));
    // Reading the committed file and writing it again gives the same bytes.
    const auto reread = parserFor(kind)(TestRows::readData(golden));
    QVERIFY(reread);
    QVERIFY2(TestRows::matchesData(golden, writerFor(kind)(*reread), &difference), qPrintable(difference));
}

void TestConfigurationFiles::readers()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, fragment);
    QFETCH(int, count);
    const auto config = parserFor(kind)(data);
    QVERIFY(config);
    const QByteArray written = writerFor(kind)(*config);
    QVERIFY2(written.count(fragment) == count, written.constData());
}

void TestConfigurationFiles::unreadableInput()
{
    QFETCH(QByteArray, data);
    for (const char *kind : {"own", "display", "alarms"})
        QVERIFY2(!parserFor(QLatin1String(kind))(data), kind);
}

void TestConfigurationFiles::temperatureOffset()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QFETCH(bool, roundTrips);
    ClockConfig config;
    config.TemperatureOffsetValue = value;
    const QByteArray data = ConfigurationFiles::displayFileData(config);
    QVERIFY2(data.contains("TempOffsetValue=\"" + text.toUtf8() + "\""), data.constData());
    const auto imported = ConfigurationFiles::parseDisplayFile(data);
    QVERIFY(imported);
    QCOMPARE(imported->TemperatureOffsetValue == value, roundTrips);
}

void TestConfigurationFiles::exportsImportOnlyTheirPart()
{
    QVERIFY(m_dir.isValid());
    ClockConfig source;
    SampleConfig::fill(source, 3);
    const ClockConfig defaults;
    const QString path = m_dir.filePath(QStringLiteral("export.xml"));
    const auto timeLine = [](const ClockConfigFields &c) {
        const QByteArray data = ConfigurationFiles::ownFileData(c);
        const int start = data.indexOf("<Time ");
        return data.mid(start, data.indexOf('\n', start) - start);
    };
    for (const bool display : {true, false}) {
        QVERIFY(display ? ConfigurationFiles::exportDisplay(path, source) : ConfigurationFiles::exportAlarms(path, source));
        const auto imported = display ? ConfigurationFiles::importDisplay(path) : ConfigurationFiles::importAlarms(path);
        QVERIFY(imported);
        // Only a part: the editor must not take it for a whole configuration.
        QVERIFY(!imported->loaded);
        QCOMPARE(ConfigurationFiles::displayFileData(*imported),
                 ConfigurationFiles::displayFileData(display ? source : defaults));
        QCOMPARE(ConfigurationFiles::alarmsFileData(*imported),
                 ConfigurationFiles::alarmsFileData(display ? defaults : source));
        QCOMPARE(timeLine(*imported), timeLine(defaults));
    }
}

void TestConfigurationFiles::fileActions()
{
    using namespace ConfigurationFileActions;
    QFETCH(int, action);
    QFETCH(QString, file);
    QFETCH(QString, message);
    QFETCH(bool, lastPathMoves);
    QVERIFY(m_dir.isValid());
    for (const char *folder : {"a", "b", "c", "d", "e"})
        QDir(m_dir.path()).mkpath(QString::fromLatin1(folder));
    QFile bad(m_dir.filePath(QStringLiteral("e/bad.xml")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("<a><b></a>");
    bad.close();

    AppSettings::setLastPath(m_dir.filePath(QStringLiteral("start/x")));
    const QString before = AppSettings::lastPath();
    ClockConfig current;
    SampleConfig::fill(current, 11);
    const QString path = file.isEmpty() ? QString() : m_dir.filePath(file);
    const bool failed = message.endsWith(QLatin1String("failed"));
    if (texts(Action(action)).saveDialog && failed)
        QTest::ignoreMessage(QtDebugMsg, "Error: Cannot write file");

    const Result result = run(Action(action), path, current);
    QCOMPARE(result.message, message);
    QCOMPARE(result.ok, !message.isEmpty() && !failed);
    QCOMPARE(AppSettings::lastPath(), lastPathMoves ? QFileInfo(path).absolutePath() + QLatin1Char('/') : before);
    if (Action(action) == Action::Open && result.ok)
        QVERIFY(result.config->sameContent(current));
}

void TestConfigurationFiles::failedWriteKeepsPreviousFile_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("failure");
    for (const char *writer : {"state file", "configuration file", "display export", "alarms export"}) {
        for (const char *failure : {"folder missing", "target is a folder", "disk full mid-write", "read-only folder"})
            QTest::addRow("%s, %s", writer, failure) << writer << failure;
    }
}

void TestConfigurationFiles::failedWriteKeepsPreviousFile()
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

    ClockConfig config;
    SampleConfig::fill(config, 1);
    const StateSamples::Sample sample = StateSamples::golden();
    QTest::ignoreMessage(QtDebugMsg, "Error: Cannot write file");
    bool written = false;
    if (writer == QLatin1String("state file"))
        written = StateFile::save(path, sample.clocks(), sample.groups(), sample.settings);
    else if (writer == QLatin1String("configuration file"))
        written = ConfigurationFiles::saveConfiguration(path, config);
    else if (writer == QLatin1String("display export"))
        written = ConfigurationFiles::exportDisplay(path, config);
    else
        written = ConfigurationFiles::exportAlarms(path, config);
    limit.reset();
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!written);

    QFile check(dir.filePath(QStringLiteral("file.xml")));
    QVERIFY(check.open(QIODevice::ReadOnly));
    QCOMPARE(check.readAll(), previous);
    // No temporary file is left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("file.xml")});
}

QTEST_GUILESS_MAIN(TestConfigurationFiles)
#include "tst_configurationfiles.moc"
