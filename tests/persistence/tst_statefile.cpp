#include "AppSettings.h"
#include "ClockRegistry.h"
#include "DevClock.h"
#include "DevGroup.h"
#include "StateDocumentReader.h"
#include "StateFile.h"
#include "StateSamples.h"
#include "StateStreamReader.h"
#include "TestRows.h"

#include <QtTest>

namespace {

const QString rows = QStringLiteral("persistence/statefile.rows");
const QString golden = QStringLiteral("settings.xml");

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

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

// The state file byte for byte, what each reader makes of a document, the
// process state saved and loaded, and files that cannot be loaded.
class TestStateFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { ClockRegistry::resetForTest(); }
    void cleanup() { ClockRegistry::resetForTest(); }
    void goldenFile();
    void loading_data() { TestRows::add(rows); }
    void loading();
    void storedText_data();
    void storedText();
    void sameRecords_data();
    void sameRecords();
    void saveAndLoadTheProcessState();
    void unloadableFileChangesNothing_data() { TestRows::add(rows); }
    void unloadableFileChangesNothing();
};

void TestStateFile::goldenFile()
{
    const StateSamples::Sample sample = StateSamples::golden();
    QString difference;
    QVERIFY2(TestRows::matchesData(golden, sample.serialize(), &difference), qPrintable(difference));

    StateSamples::Sample reread;
    QVERIFY(StateFile::parse(TestRows::readData(golden), reread.lists, reread.settings));
    QCOMPARE(reread.lists.clocks.size(), size_t(3));
    QCOMPARE(reread.settings, sample.settings);
    QVERIFY2(TestRows::matchesData(golden, reread.serialize(), &difference), qPrintable(difference));
}

void TestStateFile::loading()
{
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, fragment);
    QFETCH(int, count);
    const QByteArray saved = records(StateFile::parse, data);
    QVERIFY2(saved.count(fragment) == count, saved.constData());
}

void TestStateFile::storedText_data()
{
    TestRows::add(rows);
    QTest::newRow("lone surrogate and noncharacters dropped")
        << (QStringLiteral("x") + QChar(0xD800) + QStringLiteral("y") + QChar(0xFFFE) + QChar(0xFFFF) + QStringLiteral("z"))
        << "xyz" << QByteArray("xyz");
}

// Whatever a clock sends as its name, the file stays readable.
void TestStateFile::storedText()
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

void TestStateFile::sameRecords_data()
{
    TestRows::add(rows);
    const QByteArray file = TestRows::readData(golden);
    QVERIFY(!file.isEmpty());
    QTest::newRow("golden state file") << file << true;
    QTest::newRow("100 clocks with configurations") << StateSamples::large(100, 5, 10).serialize() << true;
    QTest::newRow("written on Windows, with a comment")
        << QByteArray(file).replace("\n", "\r\n").replace("<ClockList", "<!-- \"kept\" --><ClockList") << true;
}

// The stream reader must give exactly the records the DOM reader gives, and
// leave to it every document the two would read differently.
void TestStateFile::sameRecords()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, streamReads);

    const QByteArray byDocument = records(StateDocumentReader::parse, data);
    QVERIFY(!byDocument.isEmpty());
    const QByteArray byStream = records(streamParse, data);
    QCOMPARE(!byStream.isEmpty(), streamReads);
    if (streamReads)
        QCOMPARE(byStream, byDocument);
    QCOMPARE(records(StateFile::parse, data), byDocument);
}

void TestStateFile::saveAndLoadTheProcessState()
{
    StateSamples::Sample sample = StateSamples::golden();
    for (auto &clock : sample.lists.clocks)
        ClockRegistry::instance()->addClock(clock.release());
    for (auto &group : sample.lists.groups)
        ClockRegistry::instance()->addGroup(group.release());
    notificationSettings() = sample.settings;
    const QString path = AppSettings::stateFilePath();
    // A world-readable file left by an older version is tightened too.
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    QVERIFY(old.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));
    old.close();

    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
        | QFileDevice::WriteUser;
    QVERIFY(saveSettings());
    QCOMPARE(fileBytes(path), TestRows::readData(golden));
    QCOMPARE(QFile::permissions(path), ownerOnly);

    ClockRegistry::resetForTest();
    notificationSettings() = NotificationSettings();
    QVERIFY(loadSettings());
    QCOMPARE(ClockRegistry::instance()->clockCount(), 3);
    QCOMPARE(ClockRegistry::instance()->groupCount(), 2);
    QCOMPARE(notificationSettings(), sample.settings);
    QVERIFY(ClockRegistry::instance()->clockAt(0)->hasConfig());
    QVERIFY(!ClockRegistry::instance()->clockAt(1)->hasConfig());

    QFile::remove(path);
    QVERIFY(saveSettings());
    QCOMPARE(fileBytes(path), TestRows::readData(golden));
    QCOMPARE(QFile::permissions(path), ownerOnly);
}

void TestStateFile::unloadableFileChangesNothing()
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
    if (size >= 0) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(data);
        if (size > 0)
            QVERIFY(file.resize(qint64(size)));
    }

    ClockRegistry::instance()->createGroup(QStringLiteral("kept"));
    NotificationSettings before;
    before.server = QStringLiteral("kept.example.org");
    notificationSettings() = before;

    if (keptAside)
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^State file could not be loaded; kept as ")));
    QVERIFY(!loadSettings());
    QCOMPARE(ClockRegistry::instance()->clockCount(), 0);
    QCOMPARE(ClockRegistry::instance()->groupCount(), 1);
    QCOMPARE(notificationSettings(), before);

    // The next save must not take the only copy of what the file held.
    QVERIFY(saveSettings());
    const QStringList kept = folder.entryList(keptPattern, QDir::Files);
    QCOMPARE(kept.size(), keptAside ? 1 : 0);
    if (keptAside && size == 0)
        QCOMPARE(fileBytes(folder.filePath(kept.at(0))), data);
    QFile::remove(path);
    for (const QString &name : kept)
        QFile::remove(folder.filePath(name));
}

QTEST_GUILESS_MAIN(TestStateFile)
#include "tst_statefile.moc"
