#include "core/AppSettings.h"
#include "model/ClockConfig.h"
#include "model/ClockRegistry.h"
#include "model/ConfigCodes.h"
#include "persistence/ConfigurationFileActions.h"
#include "persistence/ConfigurationFiles.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "persistence/EventJournal.h"
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
#include "persistence/XmlFile.h"

#include <QTemporaryDir>
#include <QtTest>

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
    void journalReadsBackWhatWasAppended();
    void journalStaysWithinItsBound();
    void journalReadsCostWhatTheyRead();
    void journalWriteIsAllOrNothing_data() { TestRows::add(stateRows); }
    void journalWriteIsAllOrNothing();
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

ClockEvent journalEvent(int n, ClockEvent::Kind kind, const QDateTime &time)
{
    ClockEvent event;
    event.time = time;
    event.ip = QStringLiteral("10.0.0.%1").arg(n % 3);
    event.name = QStringLiteral("Clock \"%1\"").arg(n);
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

void TestPersistence::journalReadsBackWhatWasAppended()
{
    const QString folder = m_dir.filePath(QStringLiteral("journal-read"));
    const QDateTime start = QDateTime(QDate(2026, 11, 30), QTime(23, 0), Qt::UTC);
    QList<ClockEvent> appended;
    {
        EventJournal journal(folder);
        for (int n = 0; n < 9; ++n) {
            appended << journalEvent(n, ClockEvent::Kind(n % 10), start.addSecs(n * 900));
            journal.append(appended.last());
        }
    }
    // November and December in files of their own.
    QCOMPARE(EventJournal::files(folder), QStringList({"events-2026-11.01.jsonl", "events-2026-12.01.jsonl"}));
    QCOMPARE(described(EventJournal::read(folder, {})), described(appended));

    // A line that is no event, a line cut short with the next event glued
    // onto it (as a full disk once left them) and a last line a crash cut
    // short: each is counted and skipped, the glued event still read.
    QFile last(folder + QStringLiteral("/events-2026-12.01.jsonl"));
    QVERIFY(last.open(QIODevice::Append));
    const ClockEvent glued = journalEvent(9, ClockEvent::Kind::Reachable, start.addSecs(9 * 900));
    last.write("{\"time\":\"2026-12-01T03:00:00.000Z\",\"ip\":\"10.0.0.0\",\"kind\":\"unknown\"}\n"
               "{\"detail\":\"cut\",\"time\":\"2026-12-08T01:23:44.95" + glued.toJson() + "\n{\"time\":\"20");
    last.close();
    int damaged = 0;
    QCOMPARE(described(EventJournal::read(folder, {}, &damaged)), described(appended << glued));
    QCOMPARE(damaged, 3);

    EventJournal::Filter filter;
    filter.ip = QStringLiteral("10.0.0.1");
    filter.since = start.addSecs(3600);
    QList<ClockEvent> expected;
    for (const ClockEvent &event : appended) {
        if (event.ip == filter.ip && event.time >= filter.since)
            expected << event;
    }
    QCOMPARE(described(EventJournal::read(folder, filter)), described(expected));
}

void TestPersistence::journalStaysWithinItsBound()
{
    const QString folder = m_dir.filePath(QStringLiteral("journal-bound"));
    const qint64 maxBytes = 20000;
    const QDateTime start = QDateTime(QDate(2026, 12, 1), QTime(0, 0), Qt::UTC);
    {
        EventJournal journal(folder);
        journal.setLimits(maxBytes, 4000);
        for (int n = 0; n < 2000; ++n)
            journal.append(journalEvent(n, ClockEvent::Kind::Unreachable, start.addSecs(n)));
    }
    qint64 total = 0;
    for (const QString &name : EventJournal::files(folder))
        total += QFileInfo(folder + QLatin1Char('/') + name).size();
    QVERIFY2(total <= maxBytes, qPrintable(QString::number(total)));
    // The newest events stay, the oldest went.
    const QList<ClockEvent> kept = EventJournal::read(folder, {});
    QVERIFY(kept.size() > 50);
    QCOMPARE(kept.last().detail, QStringLiteral("detail 1999"));
    QVERIFY(kept.first().time > start.addSecs(1000));
}

// Work counted, not timed: the bytes handed to the JSON reader.
void TestPersistence::journalReadsCostWhatTheyRead()
{
    const QString folder = m_dir.filePath(QStringLiteral("journal-cost"));
    QVERIFY(QDir().mkpath(folder));
    const QDateTime start = QDateTime(QDate(2026, 12, 1), QTime(0, 0), Qt::UTC);
    // Lines crafted so that every try from each "{\"" on fails: once a
    // quadratic amount of parsing.
    QByteArray crafted;
    for (int line = 0; line < 50; ++line)
        crafted += "{\"ip\":\"10.0.0.1\"" + QByteArray(2000, 'x').replace("xx", "{\"") + '\n';
    quint64 before = EventJournal::parsedBytes();
    int damaged = 0;
    QVERIFY(EventJournal::parse(crafted, {QStringLiteral("10.0.0.1"), {}, -1}, &damaged).isEmpty());
    QCOMPARE(damaged, 50);
    QVERIFY(EventJournal::parsedBytes() - before <= quint64(2 * crafted.size()));

    // A busy clock's newest events, across chunk ends and past a damaged
    // line longer than a chunk, cost the end of the file only.
    QByteArray lines;
    QList<ClockEvent> all;
    for (int n = 0; n < 12000; ++n) {
        all << journalEvent(n, ClockEvent::Kind::Ntp, start.addSecs(n));
        lines += all.last().toJson() + '\n';
        if (n == 11000)
            lines += QByteArray(300 * 1024, 'y') + '\n';
    }
    QVERIFY(TestFiles::write(folder + QStringLiteral("/events-2026-12.01.jsonl"), lines));
    const EventJournal::Filter filter{QStringLiteral("10.0.0.2"), {}, 1000};
    QList<ClockEvent> expected;
    std::copy_if(all.cbegin(), all.cend(), std::back_inserter(expected),
                 [&filter](const ClockEvent &event) { return event.ip == filter.ip; });
    before = EventJournal::parsedBytes();
    QCOMPARE(described(EventJournal::read(folder, filter)), described(expected.mid(expected.size() - filter.limit)));
    QVERIFY(EventJournal::parsedBytes() - before < quint64(lines.size() / 6));
}

// A failed write leaves only whole lines, the events wait and reach the disk
// in order once it can be written again; the failure is said once. Files are
// the owner's alone even under umask 000.
void TestPersistence::journalWriteIsAllOrNothing()
{
    QFETCH(QString, failure);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("journal"));
    const QString file = folder + QStringLiteral("/events-2026-12.01.jsonl");
    const QString victim = dir.filePath(QStringLiteral("victim"));
    const QDateTime start = QDateTime(QDate(2026, 12, 8), QTime(1, 0), Qt::UTC);
    const mode_t umaskBefore = umask(0);
    EventJournal journal(folder);
    QSignalSpy problems(&journal, &EventJournal::problemChanged);
    QSignalSpy failures(&journal, &EventJournal::writeFailed);
    QList<ClockEvent> appended{journalEvent(0, ClockEvent::Kind::Unreachable, start)};
    journal.append(appended.last());
    QVERIFY(journal.flush());

    std::unique_ptr<TestFiles::FileSizeLimit> limit;
    if (failure == QLatin1String("disk full")) {
        limit = std::make_unique<TestFiles::FileSizeLimit>(QFileInfo(file).size() + 40);
        QVERIFY(limit->active);
    } else if (failure == QLatin1String("folder is a file")) {
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(TestFiles::write(folder, "not a folder"));
    } else if (failure == QLatin1String("linked folder")) {
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(QDir().mkpath(victim));
        QVERIFY(QFile::link(victim, folder));
    } else {
        QVERIFY(TestFiles::write(victim, "root's file\n"));
        QVERIFY(QFile::remove(file));
        QVERIFY(QFile::link(victim, file));
    }
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot be written")));
    for (int round = 1; round <= 2; ++round) {
        appended << journalEvent(round, ClockEvent::Kind::Ntp, start.addSecs(round));
        journal.append(appended.last());
        QVERIFY(!journal.flush());
    }
    QVERIFY(!journal.problem().isEmpty());
    if (failure != QLatin1String("disk full") && failure != QLatin1String("folder is a file"))
        QVERIFY2(journal.problem().contains(QLatin1String("symbolic link")), qPrintable(journal.problem()));
    int damaged = 0;
    QCOMPARE(EventJournal::read(folder, {}, &damaged).size(), failure == QLatin1String("disk full") ? 1 : 0);
    QCOMPARE(damaged, 0);

    limit.reset();
    if (failure == QLatin1String("folder is a file") || failure == QLatin1String("linked folder"))
        QVERIFY(QFile::remove(folder));
    else if (failure == QLatin1String("symbolic link"))
        QVERIFY(QFile::remove(file));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("written again")));
    QVERIFY(journal.flush());
    QTRY_COMPARE(problems.size(), 2);
    QVERIFY(!problems.at(0).at(0).toString().isEmpty());
    QVERIFY(problems.at(1).at(0).toString().isEmpty());
    QCOMPARE(failures.size(), 2);
    const QList<ClockEvent> read = EventJournal::read(folder, {}, &damaged);
    QCOMPARE(damaged, 0);
    QCOMPARE(described(read), described(failure == QLatin1String("disk full") ? appended : appended.mid(1)));
    if (failure == QLatin1String("symbolic link"))
        QCOMPARE(TestFiles::read(victim), QByteArray("root's file\n"));
    if (failure == QLatin1String("linked folder"))
        QVERIFY(QDir(victim).isEmpty());
    umask(umaskBefore);
    QCOMPARE(TestFiles::modeOf(folder), 0700);
    QCOMPARE(TestFiles::modeOf(file), 0600);
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
