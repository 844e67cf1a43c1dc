#include "core/AppSettings.h"
#include "model/ClockConfig.h"
#include "model/ClockRegistry.h"
#include "model/ConfigCodes.h"
#include "persistence/ConfigurationFileActions.h"
#include "persistence/ConfigurationFiles.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "persistence/EventJournal.h"
#include "persistence/HistoryDatabase.h"
#include "persistence/PlanFile.h"
#include "model/QuietPeriod.h"
#include "tests/support/SampleConfig.h"
#include "tests/support/TestFiles.h"
#include "persistence/StateDocumentReader.h"
#include "persistence/StateFile.h"
#include "tests/persistence/StateSamples.h"
#include "persistence/StateSnapshot.h"
#include "persistence/StateStreamReader.h"
#include "tests/support/TestRows.h"
#include "tests/cli/CliProcess.h"
#include "persistence/XmlFile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <ctime>

namespace {

const QString rows = QStringLiteral("persistence/configfiles.rows");

// The reader and writer of a kind of configuration file: "own", "display" or "alarms".
struct FileKind
{
    std::unique_ptr<ClockConfig> (*parse)(const QByteArray &);
    QByteArray (*write)(const ClockConfigFields &);
};

FileKind fileKind(const QString &kind)
{
    using namespace ConfigurationFiles;
    if (kind == QLatin1String("own"))
        return {parseOwnFile, ownFileData};
    return kind == QLatin1String("display") ? FileKind{parseDisplayFile, displayFileData}
                                            : FileKind{parseAlarmsFile, alarmsFileData};
}

const QString stateRows = QStringLiteral("persistence/statefile.rows");
const QString goldenState = QStringLiteral("settings.xml");

using Parse = bool (*)(const QByteArray &, StateFile::Lists &, NotificationSettings &);

bool streamParse(const QByteArray &data, StateFile::Lists &lists, NotificationSettings &settings)
{
    return StateStreamReader(data).parse(lists, settings);
}

// What a reader made of the data, as the next save would write it; empty
// when it refused the data. The settings it reads over hold one recipient.
QByteArray records(Parse parse, const QByteArray &data)
{
    StateSamples::Sample sample;
    sample.settings.recipients = {{QStringLiteral("old@example.org"), true}};
    return parse(data, sample.lists, sample.settings) ? sample.serialize() : QByteArray();
}

QVector<PlanRow> planRows(int count)
{
    QVector<PlanRow> rows;
    for (int i = 0; i < count; ++i)
        rows.append({0, QStringLiteral("10.0.0.%1").arg(i + 1), QStringLiteral("Clock %1").arg(i), QString(),
                     QStringLiteral("admin"), QString(), QString()});
    return rows;
}

} // namespace

// The state file and the configuration files byte for byte, what each
// reader makes of a document, the process state saved and loaded, files
// that cannot be loaded, the editor's file actions, and a failed write of
// any file the program writes, which must leave the previous file as it was.
class TestPersistence : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_list.clear(); }
    void cleanup() { m_list.clear(); }
    void loading_data() { TestRows::add(stateRows); }
    void loading();
    void storedText_data();
    void storedText();
    void sameRecords_data();
    void sameRecords();
    void saveAndLoadTheProcessState();
    void siteSizedListRoundTrip();
    void unloadableFileChangesNothing_data() { TestRows::add(stateRows); }
    void unloadableFileChangesNothing();
    void boundedReaders_data() { TestRows::add(stateRows); }
    void boundedReaders();
    void goldenFiles_data() { TestRows::add(rows); }
    void goldenFiles();
    void readers_data() { TestRows::add(rows); }
    void readers();
    void unreadableInput_data() { TestRows::add(rows); }
    void unreadableInput();
    void fileActions_data() { TestRows::add(rows); }
    void fileActions();
    void failedWriteKeepsPreviousFile_data();
    void failedWriteKeepsPreviousFile();
    void journalImportedOnce();
    void journalRetention_data();
    void journalRetention();
    void damagedHistorySetAside_data();
    void damagedHistorySetAside();
    void journalWriteIsAllOrNothing_data() { TestRows::add(stateRows); }
    void journalWriteIsAllOrNothing();
    void writerAndReadersAtOnce();
    void quietPeriodEndsAtTheSameMoment_data() { TestRows::add(stateRows); }
    void quietPeriodEndsAtTheSameMoment();

private:
    QTemporaryDir m_dir;
    // The state file's own list; the process-wide one stays empty.
    ClockRegistry m_list;
    NotificationSettings m_alerts;
};

void TestPersistence::loading()
{
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, fragment);
    QFETCH(int, count);
    const QByteArray saved = records(StateFile::parse, data);
    QVERIFY2(saved.count(fragment) == count, saved.constData());
}

void TestPersistence::storedText_data()
{
    TestRows::add(stateRows);
    QTest::newRow("lone surrogate and noncharacters dropped")
        << (QStringLiteral("x") + QChar(0xD800) + QStringLiteral("y") + QChar(0xFFFE) + QChar(0xFFFF) + QStringLiteral("z"))
        << "xyz" << QByteArray("xyz");
}

// Whatever a clock sends as its name, the file stays readable.
void TestPersistence::storedText()
{
    QFETCH(QString, text);
    QFETCH(QString, readBack);
    QFETCH(QByteArray, stored);

    StateSamples::Sample sample;
    sample.lists.clocks.push_back(std::make_unique<DevClock>());
    sample.lists.clocks.front()->name = text;
    const QByteArray data = sample.serialize();
    QVERIFY2(data.contains("name=\"" + stored + "\""), data.constData());

    StateSamples::Sample reread;
    QVERIFY(StateFile::parse(data, reread.lists, reread.settings));
    QCOMPARE(reread.lists.clocks.at(0)->name, readBack);
}

void TestPersistence::sameRecords_data()
{
    TestRows::add(stateRows);
    const QByteArray file = TestRows::readData(goldenState);
    QVERIFY(!file.isEmpty());
    QTest::newRow("golden state file") << file << true << true;
    QTest::newRow("100 clocks with configurations") << StateSamples::large(100, 5, 10).serialize() << true << true;
    QTest::newRow("written on Windows, with a comment")
        << QByteArray(file).replace("\n", "\r\n").replace("<ClockList", "<!-- \"kept\" --><ClockList") << true
        << false;
}

// The stream reader and the scanner must give exactly the records the DOM
// reader gives, and leave to it every document they would read differently.
void TestPersistence::sameRecords()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, streamReads);
    QFETCH(bool, plainReads);

    const QByteArray byDocument = records(StateDocumentReader::parse, data);
    QVERIFY(!byDocument.isEmpty());
    const QByteArray byStream = records(streamParse, data);
    QCOMPARE(!byStream.isEmpty(), streamReads);
    if (streamReads)
        QCOMPARE(byStream, byDocument);
    const QByteArray byScanner = records(StateStreamReader::parsePlain, data);
    QCOMPARE(!byScanner.isEmpty(), plainReads);
    if (plainReads)
        QCOMPARE(byScanner, byDocument);
    QCOMPARE(records(StateFile::parse, data), byDocument);
}

// The fast paths of loading and saving are taken at a site's size, not
// at the golden file's three clocks.
void TestPersistence::siteSizedListRoundTrip()
{
    constexpr int clockCount = 2000;
    const StateSamples::Sample sample = StateSamples::large(clockCount, 40, 10);
    const QString first = m_dir.filePath(QStringLiteral("first.xml"));
    const QString second = m_dir.filePath(QStringLiteral("second.xml"));
    QVERIFY(StateFile::save(first, sample.clocks(), sample.groups(), sample.settings));
    StateSamples::Sample loaded;
    QVERIFY(StateFile::parse(TestFiles::read(first), loaded.lists, loaded.settings));
    QCOMPARE(int(loaded.lists.clocks.size()), clockCount);
    QVERIFY(StateFile::save(second, loaded.clocks(), loaded.groups(), loaded.settings));
    const QByteArray bytes = TestFiles::read(first);
    QVERIFY(bytes == TestFiles::read(second));
    QCOMPARE(bytes, sample.serialize());
}

void TestPersistence::saveAndLoadTheProcessState()
{
    StateSamples::Sample sample = StateSamples::golden();
    // The copy that a flow's save turns into text on a worker thread gives the
    // very bytes of the list it was taken from: no stored field is left behind.
    QCOMPARE(StateSnapshot(sample.clocks(), sample.groups(), sample.settings).serialize(), sample.serialize());
    for (auto &clock : sample.lists.clocks)
        m_list.addClock(clock.release());
    for (auto &group : sample.lists.groups)
        m_list.addGroup(group.release());
    m_alerts = sample.settings;
    const QString path = AppSettings::stateFilePath();
    // A world-readable file left by an older version is tightened too.
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QVERIFY(TestFiles::write(path, {}));
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));

    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
        | QFileDevice::WriteUser;
    QString difference;
    QVERIFY(saveDeviceList(m_list, m_alerts));
    QVERIFY2(TestRows::matchesData(goldenState, TestFiles::read(path), &difference), qPrintable(difference));
    QCOMPARE(QFile::permissions(path), ownerOnly);

    m_list.clear();
    m_alerts = NotificationSettings();
    QVERIFY(loadDeviceList(m_list, m_alerts));
    QCOMPARE(m_list.clockCount(), 3);
    QCOMPARE(m_list.groupCount(), 2);
    QCOMPARE(m_alerts, sample.settings);
    QVERIFY(m_list.clockAt(0)->hasConfig());
    QVERIFY(!m_list.clockAt(1)->hasConfig());

    // What was loaded is saved again byte for byte.
    QFile::remove(path);
    QVERIFY(saveDeviceList(m_list, m_alerts));
    QVERIFY2(TestRows::matchesData(goldenState, TestFiles::read(path), &difference), qPrintable(difference));
    QCOMPARE(QFile::permissions(path), ownerOnly);
}

void TestPersistence::unloadableFileChangesNothing()
{
    QFETCH(QByteArray, data);
    QFETCH(double, size);
    QFETCH(bool, keptAside);
    const QString path = AppSettings::stateFilePath();
    QFile::remove(path);
    const QDir folder(AppSettings::dataFolderPath());
    const QStringList keptPattern = {QStringLiteral("settings.xml.unreadable-*")};
    for (const QString &name : folder.entryList(keptPattern, QDir::Files))
        QVERIFY(QFile::remove(folder.filePath(name)));
    if (size >= 0)
        QVERIFY(TestFiles::write(path, data, qint64(size)));

    m_list.createGroup(QStringLiteral("kept"));
    NotificationSettings before;
    before.server = QStringLiteral("kept.example.org");
    m_alerts = before;

    if (keptAside)
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^State file could not be loaded; kept as ")));
    QVERIFY(!loadDeviceList(m_list, m_alerts));
    QCOMPARE(m_list.clockCount(), 0);
    QCOMPARE(m_list.groupCount(), 1);
    QCOMPARE(m_alerts, before);

    // The next save must not take the only copy of what the file held.
    QVERIFY(saveDeviceList(m_list, m_alerts));
    const QStringList kept = folder.entryList(keptPattern, QDir::Files);
    QCOMPARE(kept.size(), keptAside ? 1 : 0);
    if (keptAside && size == 0)
        QCOMPARE(TestFiles::read(folder.filePath(kept.at(0))), data);
    QFile::remove(path);
    for (const QString &name : kept)
        QFile::remove(folder.filePath(name));
}

void TestPersistence::boundedReaders()
{
    QFETCH(QString, reader);
    QFETCH(QString, shape);
    QFETCH(QString, reason);
    const int deep = shape.startsWith(QLatin1String("deep")) ? 30000 : 0;
    const int valueLength = shape == QLatin1String("long attribute") ? XmlFile::maxAttributeLength + 1 : 1;
    const QByteArray data = QByteArray(shape.endsWith(QLatin1String("type")) ? "<!DOCTYPE a>" : "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n")
        // Older versions wrote these; the DOM reader takes them, the stream reader does not.
        + (shape.endsWith(QLatin1String("reference")) ? "<r v=\"&#x1;\">" : "<r>") + QByteArray("<a>").repeated(deep)
        + "<a name=\"" + QByteArray(valueLength, 'x') + "\"/>" + QByteArray("</a>").repeated(deep) + "</r>";
    const bool deviceList = reader == QLatin1String("device list");
    const QString path = deviceList ? AppSettings::stateFilePath() : m_dir.filePath(QStringLiteral("bounded.xml"));
    const qint64 bound = deviceList ? XmlFile::maxStateFileSize : XmlFile::maxConfigurationFileSize;
    QVERIFY(TestFiles::write(path, data, shape == QLatin1String("oversized") ? bound + 1 : 0));
    if (deviceList)
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^State file could not be loaded; kept as ")));

    using namespace ConfigurationFiles;
    const auto open = reader == QLatin1String("own") ? openConfiguration
                                                     : reader == QLatin1String("display") ? importDisplay : importAlarms;
    QString why;
    QVERIFY(!(deviceList ? loadDeviceList(m_list, m_alerts, &why) : open(path, &why) != nullptr));
    QVERIFY2(why.contains(reason), qPrintable(why));
    QCOMPARE(m_list.clockCount(), 0);
    // Kept aside, where no save can overwrite it.
    const QDir folder(AppSettings::dataFolderPath());
    const QStringList kept = folder.entryList({QStringLiteral("settings.xml.unreadable-*")}, QDir::Files);
    QCOMPARE(kept.size(), deviceList ? 1 : 0);
    for (const QString &name : kept)
        QVERIFY(QFile::remove(folder.filePath(name)));
}

void TestPersistence::goldenFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, golden);
    ClockConfig config;
    SampleConfig::fill(config, 7);

    QString difference;
    QVERIFY2(TestRows::matchesData(golden, fileKind(kind).write(config), &difference), qPrintable(difference));
    // Reading the committed file and writing it again gives the same bytes.
    const auto reread = fileKind(kind).parse(TestRows::readData(golden));
    QVERIFY(reread);
    QVERIFY2(TestRows::matchesData(golden, fileKind(kind).write(*reread), &difference), qPrintable(difference));
}

void TestPersistence::readers()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, fragment);
    QFETCH(int, count);
    const auto config = fileKind(kind).parse(data);
    QVERIFY(config);
    const QByteArray written = fileKind(kind).write(*config);
    QVERIFY2(written.count(fragment) == count, written.constData());
}

void TestPersistence::unreadableInput()
{
    QFETCH(QByteArray, data);
    for (const char *kind : {"own", "display", "alarms"})
        QVERIFY2(!fileKind(QLatin1String(kind)).parse(data), kind);
}

void TestPersistence::fileActions()
{
    using namespace ConfigurationFileActions;
    QFETCH(int, action);
    QFETCH(QString, file);
    QFETCH(QString, message);
    QFETCH(bool, lastPathMoves);
    QVERIFY(m_dir.isValid());
    for (const char *folder : {"a", "b", "c", "d", "e"})
        QDir(m_dir.path()).mkpath(QString::fromLatin1(folder));
    QVERIFY(TestFiles::write(m_dir.filePath(QStringLiteral("e/bad.xml")), "<a><b></a>"));

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
    const bool display = Action(action) == Action::ImportDisplay;
    if ((display || Action(action) == Action::ImportAlarms) && result.ok) {
        // Only the export's part, and not taken for a whole configuration.
        const ClockConfig defaults;
        QVERIFY(!result.config->loaded);
        QCOMPARE(ConfigurationFiles::displayFileData(*result.config),
                 ConfigurationFiles::displayFileData(display ? current : defaults));
        QCOMPARE(ConfigurationFiles::alarmsFileData(*result.config),
                 ConfigurationFiles::alarmsFileData(display ? defaults : current));
        QCOMPARE(encodeTimeConfig(*result.config), encodeTimeConfig(defaults));
    }
}

void TestPersistence::failedWriteKeepsPreviousFile_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("failure");
    for (const char *writer : {"state file", "configuration file", "display export", "alarms export", "address plan"}) {
        for (const char *failure : {"folder cannot be made", "target is a folder", "disk full mid-write"})
            QTest::addRow("%s, %s", writer, failure) << writer << failure;
    }
    // Saving would replace whatever the link points at.
    for (const char *writer : {"state file", "address plan"})
        QTest::addRow("%s, symbolic link planted at it", writer) << writer << "symbolic link";
}

void TestPersistence::failedWriteKeepsPreviousFile()
{
    QFETCH(QString, writer);
    QFETCH(QString, failure);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray previous("<previous/>");
    QString path = dir.filePath(QStringLiteral("file.xml"));
    QVERIFY(TestFiles::write(path, previous));

    std::unique_ptr<TestFiles::FileSizeLimit> limit;
    if (failure == QLatin1String("folder cannot be made")) {
        // A missing folder the state file makes; none is made under a file.
        path = dir.filePath(QStringLiteral("file.xml/missing/file.xml"));
    } else if (failure == QLatin1String("target is a folder")) {
        path = dir.path();
    } else if (failure == QLatin1String("symbolic link")) {
        path = dir.filePath(QStringLiteral("link.xml"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("file.xml")), path));
        if (writer == QLatin1String("state file"))
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("symbolic link")));
    } else {
        limit = std::make_unique<TestFiles::FileSizeLimit>(previous.size() + 100);
        QVERIFY(limit->active);
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
    else if (writer == QLatin1String("address plan"))
        written = PlanFile::save(path, planRows(10));
    else if (writer == QLatin1String("display export"))
        written = ConfigurationFiles::exportDisplay(path, config);
    else
        written = ConfigurationFiles::exportAlarms(path, config);
    limit.reset();
    QVERIFY(!written);
    if (failure == QLatin1String("symbolic link"))
        QVERIFY(QFile::remove(path));

    QCOMPARE(TestFiles::read(dir.filePath(QStringLiteral("file.xml"))), previous);
    // No temporary file is left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("file.xml")});
}

namespace {

constexpr int boardHistory = 50;

ClockEvent journalEvent(int n, ClockEvent::Kind kind, const QDateTime &time)
{
    ClockEvent event;
    event.time = time;
    event.ip = QStringLiteral("10.0.0.%1").arg(n % 3);
    event.name = QStringLiteral("Clock \"%1\"").arg(n % 3);
    event.group = QStringLiteral("Hall");
    event.kind = kind;
    event.ntp = kind == ClockEvent::Kind::Ntp ? 1 : -1;
    event.detail = QStringLiteral("detail %1").arg(n);
    return event;
}

QStringList described(const QList<ClockEvent> &events)
{
    QStringList lines;
    for (const ClockEvent &event : events)
        lines << QString::fromUtf8(event.toJson());
    return lines;
}

} // namespace

// The old journal's events come through the import as they were, each
// damaged line counted and skipped, and its files stay as they were; events
// appended later, older ones among them, are read back in time order.
void TestPersistence::journalImportedOnce()
{
    const QString folder = m_dir.filePath(QStringLiteral("history-import"));
    const QString journal = EventJournal::journalFolder(folder);
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-40);
    QList<ClockEvent> expected;
    QByteArray november;
    for (int n = 0; n < 6; ++n) {
        expected << journalEvent(n, ClockEvent::Kind(n % ClockEvent::kindCount), start.addSecs(n / 2 * 900));
        november += expected.last().toJson() + '\n';
    }
    const ClockEvent glued = journalEvent(9, ClockEvent::Kind::Reachable, start.addDays(31));
    const QByteArray december = "{\"time\":\"2026-12-01T03:00:00.000Z\",\"ip\":\"10.0.0.0\",\"kind\":\"unknown\"}\n"
                                "{\"detail\":\"cut\",\"time\":\"2026-12-08T01:23:44.95" + glued.toJson() + "\n{\"time\":\"20";
    expected << glued;
    QVERIFY(QDir().mkpath(journal));
    QVERIFY(TestFiles::write(journal + QStringLiteral("/events-2026-11.01.jsonl"), november));
    QVERIFY(TestFiles::write(journal + QStringLiteral("/events-2026-12.01.jsonl"), december));
    // Until something opens the history, the old journal is read as before.
    int damaged = 0;
    QCOMPARE(described(EventJournal::read(folder, {}, &damaged)), described(expected));
    QCOMPARE(damaged, 3);

    for (int run = 0; run < 2; ++run) {
        EventJournal history(folder);
        ClockEvent later = journalEvent(20 + run, ClockEvent::Kind::Mailed, start.addSecs(run ? 60 : 86400 * 35));
        later.alert = 2;
        later.clocks = 7;
        history.append(later);
        expected << later;
        // A kind a later version added is passed over, not read as another.
        ClockEvent newer = later;
        newer.kind = ClockEvent::Kind(ClockEvent::kindCount + run);
        history.append(newer);
        QVERIFY(history.flush());
    }
    std::stable_sort(expected.begin(), expected.end(),
                     [](const ClockEvent &a, const ClockEvent &b) { return a.time < b.time; });
    QString problem;
    damaged = 0;
    QCOMPARE(described(EventJournal::read(folder, {}, &damaged, &problem)), described(expected));
    QVERIFY2(problem.isEmpty() && damaged == 0, qPrintable(problem));
    QCOMPARE(TestFiles::read(journal + QStringLiteral("/events-2026-11.01.jsonl")), november);
    QCOMPARE(TestFiles::read(journal + QStringLiteral("/events-2026-12.01.jsonl")), december);

    EventJournal::Filter filter{QStringLiteral("10.0.0.1"), start.addSecs(900), 2};
    QList<ClockEvent> matching;
    std::copy_if(expected.cbegin(), expected.cend(), std::back_inserter(matching), [&filter](const ClockEvent &e) {
        return e.ip == filter.ip && e.time >= filter.since;
    });
    QCOMPARE(described(EventJournal::read(folder, filter)), described(matching.mid(matching.size() - 2)));
}

// Old events go by age; past the size ceiling the oldest go, the newest stay.
void TestPersistence::journalRetention_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("maxKb");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("spacingSeconds");
    QTest::addColumn<int>("kept"); // -1: as many as fit
    QTest::newRow("events older than 400 days go") << 400 << 1024 << 10 << 45 * 86400 << 9;
    QTest::newRow("hours of flapping past 300 KB") << 400 << 300 << 30000 << 1 << -1;
}

void TestPersistence::journalRetention()
{
    QFETCH(int, days);
    QFETCH(int, maxKb);
    QFETCH(int, count);
    QFETCH(int, spacingSeconds);
    QFETCH(int, kept);
    QTemporaryDir dir;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    {
        EventJournal history(dir.path());
        history.setRetention(days, qint64(maxKb) * 1024);
        for (int n = 0; n < count; ++n)
            history.append(journalEvent(n, ClockEvent::Kind::Unreachable, now.addSecs(-qint64(count - 1 - n) * spacingSeconds)));
        QVERIFY(history.flush());
        history.setRetention(days, qint64(maxKb) * 1024);
    }
    const QList<ClockEvent> read = EventJournal::read(dir.path(), {});
    QVERIFY(!read.isEmpty());
    QCOMPARE(read.last().detail, QStringLiteral("detail %1").arg(count - 1));
    QVERIFY(read.first().time >= now.addDays(-days));
    if (kept >= 0)
        QCOMPARE(read.size(), kept);
    else
        QVERIFY2(read.size() > count / 10 && read.size() < count, qPrintable(QString::number(read.size())));
    const qint64 size = QFileInfo(HistoryDatabase::pathIn(dir.path())).size();
    QVERIFY2(size <= qint64(maxKb) * 1024 * 5 / 4, qPrintable(QString::number(size)));
}

// Not a database, or one whose tables were overwritten: set aside beside it
// byte for byte, said, and a new one started; a reader says it is damaged.
void TestPersistence::damagedHistorySetAside_data()
{
    QTest::addColumn<bool>("header");
    QTest::newRow("something else in the database's place") << false;
    QTest::newRow("tables overwritten behind an intact header") << true;
}

void TestPersistence::damagedHistorySetAside()
{
    QFETCH(bool, header);
    QTemporaryDir dir;
    const QString path = HistoryDatabase::pathIn(dir.path());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QByteArray damaged(64 * 1024, 'x');
    if (header) {
        {
            EventJournal history(dir.path());
            for (int n = 0; n < 3000; ++n)
                history.append(journalEvent(n, ClockEvent::Kind::Ntp, now.addSecs(-n)));
        }
        damaged = TestFiles::read(path);
        QVERIFY(damaged.size() > 8192);
        damaged.replace(4096, damaged.size() - 4096, QByteArray(damaged.size() - 4096, '\x55'));
    }
    QVERIFY(TestFiles::write(path, damaged));
    QString problem;
    QVERIFY(EventJournal::read(dir.path(), {}, nullptr, &problem).isEmpty());
    QVERIFY(!problem.isEmpty());

    EventJournal history(dir.path());
    QSignalSpy problems(&history, &EventJournal::problemChanged);
    const ClockEvent after = journalEvent(1, ClockEvent::Kind::Reachable, now);
    history.append(after);
    QVERIFY(history.flush());
    QTRY_COMPARE(problems.size(), 1);
    QVERIFY2(problems.at(0).at(0).toString().contains(QLatin1String("set aside")), qPrintable(history.problem()));
    const QStringList aside = QDir(dir.path()).entryList({QStringLiteral("events.sqlite.damaged-*")}, QDir::Files);
    QVERIFY2(!aside.isEmpty(), qPrintable(QDir(dir.path()).entryList().join(' ')));
    QCOMPARE(TestFiles::read(dir.filePath(aside.first())), damaged);
    problem.clear();
    QCOMPARE(described(EventJournal::read(dir.path(), {}, nullptr, &problem)), described({after}));
    QVERIFY(problem.isEmpty());
}

// A failed write leaves the history as it was, the events wait and reach it
// in order once it can be written again; the failure is said once. Files are
// the owner's alone even under umask 000.
void TestPersistence::journalWriteIsAllOrNothing()
{
    QFETCH(QString, failure);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("data"));
    const QString path = HistoryDatabase::pathIn(folder);
    const QString victim = dir.filePath(QStringLiteral("victim"));
    const QDateTime start = QDateTime::currentDateTimeUtc();
    const mode_t umaskBefore = umask(0);
    if (failure == QLatin1String("folder is a file")) {
        QVERIFY(TestFiles::write(folder, "not a folder"));
    } else if (failure == QLatin1String("symbolic link")) {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(TestFiles::write(victim, "root's file\n"));
        QVERIFY(QFile::link(victim, path));
    }
    EventJournal journal(folder);
    QSignalSpy problems(&journal, &EventJournal::problemChanged);
    QSignalSpy failures(&journal, &EventJournal::writeFailed);
    QList<ClockEvent> appended{journalEvent(0, ClockEvent::Kind::Unreachable, start)};
    journal.append(appended.last());
    std::unique_ptr<TestFiles::FileSizeLimit> limit;
    if (failure == QLatin1String("disk full")) {
        QVERIFY(journal.flush());
        limit = std::make_unique<TestFiles::FileSizeLimit>(
            std::max(QFileInfo(path).size(), QFileInfo(path + QStringLiteral("-wal")).size()) + 40);
        QVERIFY(limit->active);
    }
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot be written")));
    for (int round = 1; round <= 2; ++round) {
        appended << journalEvent(round, ClockEvent::Kind::Ntp, start.addSecs(round));
        journal.append(appended.last());
        QVERIFY(!journal.flush());
    }
    QVERIFY(!journal.problem().isEmpty());
    const bool diskFull = failure == QLatin1String("disk full");
    limit.reset();
    QCOMPARE(EventJournal::read(folder, {}).size(), diskFull ? 1 : 0);

    if (failure == QLatin1String("folder is a file") || failure == QLatin1String("symbolic link"))
        QVERIFY(QFile::remove(failure == QLatin1String("symbolic link") ? path : folder));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("written again")));
    QVERIFY(journal.flush());
    QTRY_COMPARE(problems.size(), 2);
    QVERIFY(!problems.at(0).at(0).toString().isEmpty());
    QVERIFY(problems.at(1).at(0).toString().isEmpty());
    QVERIFY(failures.size() >= 2);
    QCOMPARE(described(EventJournal::read(folder, {})), described(appended));
    if (failure == QLatin1String("symbolic link"))
        QCOMPARE(TestFiles::read(victim), QByteArray("root's file\n"));
    umask(umaskBefore);
    QCOMPARE(TestFiles::modeOf(folder), 0700);
    QCOMPARE(TestFiles::modeOf(path), 0600);
    QCOMPARE(TestFiles::modeOf(path + QStringLiteral("-wal")), 0600);
}

// The monitor writing while zentick-cli and a board's thread read: every
// read succeeds, sees whole batches only, and the last sees everything.
void TestPersistence::writerAndReadersAtOnce()
{
    CliProcess cli;
    const QString folder = QFileInfo(cli.stateFilePath()).path();
    const QString ip = QStringLiteral("10.0.0.1");
    constexpr int batches = 30;
    constexpr int batchSize = 300;
    EventJournal history(folder);
    std::atomic<bool> writing{true};
    std::atomic<int> boardReads{0};
    std::atomic<bool> boardOk{true};
    std::unique_ptr<QThread> board(QThread::create([&] {
        while (writing) {
            QString problem;
            const int seen = EventJournal::read(folder, {ip, {}, boardHistory}, nullptr, &problem).size();
            boardOk = boardOk && problem.isEmpty() && (seen == 0 || seen == boardHistory);
            ++boardReads;
        }
    }));
    board->start();
    int childReads = 0;
    int lastSeen = 0;
    const auto childRead = [&] {
        const CliProcess::Result result = cli.run({"--json", "events", "--clock", ip});
        QCOMPARE(result.exitCode, 0);
        const int seen = result.json().object().value("events").toArray().size();
        QVERIFY2(seen % (batchSize / 3) == 0 && seen >= lastSeen, qPrintable(QString::number(seen)));
        lastSeen = seen;
        ++childReads;
    };
    const QDateTime start = QDateTime::currentDateTimeUtc().addSecs(-batches * batchSize);
    for (int batch = 0; batch < batches; ++batch) {
        for (int n = 0; n < batchSize; ++n)
            history.append(journalEvent(n, ClockEvent::Kind::Ntp, start.addSecs(batch * batchSize + n)));
        QVERIFY(history.flush());
        if (batch % 6 == 0)
            childRead();
    }
    writing = false;
    board->wait();
    childRead();
    QCOMPARE(lastSeen, batches * batchSize / 3);
    QVERIFY(boardOk);
    QVERIFY(boardReads > 0 && childReads > 1);
}
// The end of a quiet period is one moment wherever the state file or a
// request is read; files from before the offset was kept are local time.
void TestPersistence::quietPeriodEndsAtTheSameMoment()
{
    QFETCH(QString, writtenIn);
    QFETCH(QString, localEnd);
    QFETCH(QString, stored);
    QFETCH(QString, readIn);
    QFETCH(QString, utcEnd);
    const QByteArray zoneBefore = qgetenv("TZ");
    const auto setZone = [](const QString &zone) {
        qputenv("TZ", zone.toUtf8());
        tzset();
    };
    if (!writtenIn.isEmpty()) {
        setZone(writtenIn);
        const QDateTime end = QDateTime::fromString(localEnd, Qt::ISODate);
        QCOMPARE(QuietPeriod::endingAt(end).toText(), stored);
    }
    setZone(readIn);
    const QuietPeriod read = QuietPeriod::fromText(stored);
    const QDateTime expected = QDateTime::fromString(utcEnd, Qt::ISODate);
    QCOMPARE(read.until.toUTC(), expected);
    // Shown in the reader's own time.
    QCOMPARE(read.until.timeSpec(), Qt::LocalTime);
    QCOMPARE(read.until.time(), expected.toLocalTime().time());
    zoneBefore.isNull() ? qunsetenv("TZ") : qputenv("TZ", zoneBefore);
    tzset();
}

QTEST_GUILESS_MAIN(TestPersistence)
#include "tst_persistence.moc"
