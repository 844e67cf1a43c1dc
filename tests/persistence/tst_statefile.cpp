#include "AppSettings.h"
#include "ClockConfig.h"
#include "ClockRegistry.h"
#include "DevClock.h"
#include "DevGroup.h"
#include "GoldenFile.h"
#include "StateFile.h"
#include "StateSamples.h"

#include <QtTest>


namespace {

const QString golden = QStringLiteral("settings.xml");

QByteArray document(const char *body)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n") + body;
}

QByteArray stateFile(const char *clocks, const char *rest = "")
{
    return document((QByteArray("<QLXZentick version=\"1.00\"><ClockList>") + clocks + "</ClockList>" + rest
                     + "</QLXZentick>")
                        .constData());
}

// The registry and the notification settings as a save finds them.
void installInRegistry(StateSamples::Sample &sample)
{
    ClockRegistry::resetForTest();
    for (auto &clock : sample.lists.clocks)
        ClockRegistry::instance()->addClock(clock.release());
    for (auto &group : sample.lists.groups)
        ClockRegistry::instance()->addGroup(group.release());
    notificationSettings() = sample.settings;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

class TestStateFile : public QObject
{
    Q_OBJECT

private slots:
    void goldenFile();
    void loading_data();
    void loading();
    void storedText_data();
    void storedText();
    void zeroClocks();
    void saveAndLoadTheProcessState();
    void stateFileIsOwnerOnly_data();
    void stateFileIsOwnerOnly();
    void unloadableFileChangesNothing_data();
    void unloadableFileChangesNothing();
};

void TestStateFile::goldenFile()
{
    const StateSamples::Sample sample = StateSamples::golden();
    QString difference;
    QVERIFY2(GoldenFile::matches(golden, sample.serialize(), &difference), qPrintable(difference));

    StateFile::Lists lists;
    NotificationSettings settings;
    QVERIFY(StateFile::parse(GoldenFile::read(golden), lists, settings));
    QCOMPARE(lists.clocks.size(), size_t(3));
    QCOMPARE(settings, sample.settings);
    StateSamples::Sample reread;
    reread.lists = std::move(lists);
    reread.settings = settings;
    QVERIFY2(GoldenFile::matches(golden, reread.serialize(), &difference), qPrintable(difference));
}

// Each input is loaded over settings that hold one recipient and saved
// again; the saved file must hold the fragment exactly count times.
void TestStateFile::loading_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("fragment");
    QTest::addColumn<int>("count");

    QTest::newRow("root with another name and version")
        << document("<Other version=\"0.5\"><ClockList><Clock><Common name=\"A\"/></Clock></ClockList></Other>")
        << QByteArray(" name=\"A\" ") << 1;
    QTest::newRow("root without version")
        << document("<QLXZentick><ClockList><Clock/></ClockList></QLXZentick>") << QByteArray("<ClockList size=\"1\">") << 1;
    QTest::newRow("sibling with another tag is read as a clock")
        << stateFile("<Clock/><Device><Common name=\"B\"/></Device>") << QByteArray("<Clock index=\"1\">\n   <Common groupId=\"0\" name=\"B\" ") << 1;
    QTest::newRow("elements before the first Clock are skipped")
        << stateFile("<Junk><Common name=\"J\"/></Junk><Clock><Common name=\"C\"/></Clock>") << QByteArray("<Clock index=") << 1;
    QTest::newRow("index attribute is not read")
        << stateFile("<Clock index=\"5\"><Common name=\"first\"/></Clock><Clock index=\"0\"/>")
        << QByteArray("<Clock index=\"0\">\n   <Common groupId=\"0\" name=\"first\" ") << 1;
    QTest::newRow("DHCP 2 reads as false") << stateFile("<Clock><Network DHCP=\"2\"/></Clock>") << QByteArray("<Network DHCP=\"0\" ") << 1;
    QTest::newRow("DHCP 1 reads as true") << stateFile("<Clock><Network DHCP=\"1\"/></Clock>") << QByteArray("<Network DHCP=\"1\" ") << 1;
    QTest::newRow("remoteMode 2 reads as true")
        << stateFile("<Clock><Status remoteMode=\"2\"/></Clock>") << QByteArray(" remoteMode=\"1\" ") << 1;
    QTest::newRow("missing elements give empty values, not the defaults")
        << stateFile("<Clock/>")
        << QByteArray("<Common groupId=\"0\" name=\"\" user=\"\" password=\"\" firmware=\"0\" productCode=\"\" deviceCode=\"\"/>\n"
                      "   <Status NtpSynchronization=\"0\" temperature=\"0\" temperatureUnit=\"\" brightness=\"0\" errorCode=\"\" "
                      "remoteMode=\"0\" lastNtpServer=\"\" lastSyncTime=\"\" signalStrength=\"0\" lastStatusUpdate=\"\"/>\n"
                      "   <Network DHCP=\"0\" ip=\"\" port=\"0\" subnet=\"\" gateway=\"\" dnsPrimary=\"\" dnsSecondary=\"\"/>\n"
                      "   <NetworkCardData name=\"\" ip=\"\" netmask=\"\" subnet=\"\" mac=\"\"/>\n  </Clock>")
        << 1;
    QTest::newRow("non-numeric firmware reads as 0")
        << stateFile("<Clock><Common firmware=\"1.05\"/></Clock>") << QByteArray(" firmware=\"0\" ") << 1;
    QTest::newRow("status time is day first")
        << stateFile("<Clock><Status lastStatusUpdate=\"07.03.2026 08:05:09\"/></Clock>")
        << QByteArray(" lastStatusUpdate=\"07.03.2026 08:05:09\"/>") << 1;
    QTest::newRow("malformed status time is null")
        << stateFile("<Clock><Status lastStatusUpdate=\"2026-03-07 08:05\"/></Clock>") << QByteArray(" lastStatusUpdate=\"\"/>") << 1;
    QTest::newRow("clock password taken as it stands")
        << stateFile("<Clock><Common password=\"cGFzcw==\"/></Clock>") << QByteArray(" password=\"cGFzcw==\" ") << 1;
    QTest::newRow("interface read")
        << stateFile("<Clock><NetworkCardData name=\"eth1\" ip=\"10.1.2.3\"/></Clock>")
        << QByteArray("<NetworkCardData name=\"eth1\" ip=\"10.1.2.3\" netmask=\"\" subnet=\"\" mac=\"\"/>") << 1;
    QTest::newRow("clock without Configuration has none") << stateFile("<Clock/>") << QByteArray("<Configuration>") << 0;
    QTest::newRow("clock with an empty Configuration has one")
        << stateFile("<Clock><Configuration/></Clock>") << QByteArray("<Alarms size=\"30\">") << 1;
    QTest::newRow("group members in document order, any tag")
        << stateFile("", "<GroupList><Group><ClockList><ClockIndex index=\"3\"/><X index=\"1\"/></ClockList></Group></GroupList>")
        << QByteArray("<ClockList size=\"2\">\n    <ClockIndex index=\"3\"/>\n    <ClockIndex index=\"1\"/>\n") << 1;
    QTest::newRow("group without Configuration has none")
        << stateFile("", "<GroupList><Group name=\"G\"/></GroupList>") << QByteArray("<Configuration>") << 0;
    QTest::newRow("group sibling with another tag is a group")
        << stateFile("", "<GroupList><Group/><Other name=\"O\"/></GroupList>") << QByteArray("<Group index=\"1\" name=\"O\">") << 1;
    QTest::newRow("NotifSet without authType gives 0")
        << stateFile("", "<NotifSet server=\"s\"/>") << QByteArray(" authType=\"0\" ") << 1;
    QTest::newRow("no NotifSet keeps authType 2") << stateFile("") << QByteArray(" authType=\"2\" ") << 1;
    QTest::newRow("NotifSet without port gives 0") << stateFile("", "<NotifSet/>") << QByteArray(" port=\"0\" ") << 1;
    QTest::newRow("no NotifSet keeps port 465") << stateFile("") << QByteArray(" port=\"465\" ") << 1;
    QTest::newRow("no NotifSet keeps the recipients")
        << stateFile("") << QByteArray("<Recipient name=\"old@example.org\" copy=\"1\"/>") << 1;
    QTest::newRow("NotifSet replaces the recipients, copy only when 1")
        << stateFile("", "<NotifSet><Recipients><Recipient name=\"a@x\" copy=\"2\"/><To name=\"b@x\" copy=\"1\"/></Recipients></NotifSet>")
        << QByteArray("<Recipients size=\"2\">\n   <Recipient name=\"a@x\" copy=\"0\"/>\n   <Recipient name=\"b@x\" copy=\"1\"/>\n") << 1;
    QTest::newRow("ignoreSslErrors 2 reads as false")
        << stateFile("", "<NotifSet ignoreSslErrors=\"2\"/>") << QByteArray(" ignoreSslErrors=\"0\" ") << 1;
    QTest::newRow("SMTP password decoded from Base64 and encoded again")
        << stateFile("", "<NotifSet password=\"xbzDs8WCdw==\"/>") << QByteArray(" password=\"xbzDs8WCdw==\" ") << 1;
}

void TestStateFile::loading()
{
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, fragment);
    QFETCH(int, count);
    StateSamples::Sample sample;
    sample.settings.recipients = {{QStringLiteral("old@example.org"), true}};
    QVERIFY(StateFile::parse(data, sample.lists, sample.settings));
    const QByteArray saved = sample.serialize();
    QVERIFY2(saved.count(fragment) == count, saved.constData());
}

void TestStateFile::storedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("readBack");
    QTest::addColumn<QByteArray>("stored");

    QTest::newRow("markup characters escaped")
        << "a<b>&\"c'" << "a<b>&\"c'" << QByteArray("a&lt;b&gt;&amp;&quot;c'");
    QTest::newRow("line breaks and tabs kept")
        << "one\ntwo\tthree\r" << "one\ntwo\tthree\r" << QByteArray("one&#xa;two&#x9;three&#xd;");
    QTest::newRow("non-ASCII kept") << QString::fromUtf8("Zegar ŻÓŁW €") << QString::fromUtf8("Zegar ŻÓŁW €")
                                    << QByteArray("Zegar \xc5\xbb\xc3\x93\xc5\x81W \xe2\x82\xac");
    QTest::newRow("character outside the basic plane kept")
        << QString::fromUtf8("\xf0\x9f\x95\x90") << QString::fromUtf8("\xf0\x9f\x95\x90") << QByteArray("\xf0\x9f\x95\x90");
    QTest::newRow("NUL and controls dropped")
        << QString::fromLatin1("A\0B\x01" "C\x1f" "D", 7) << "ABCD" << QByteArray("ABCD");
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

    StateFile::Lists lists;
    NotificationSettings settings;
    QVERIFY(StateFile::parse(data, lists, settings));
    QCOMPARE(lists.clocks.at(0)->name, readBack);
}

void TestStateFile::zeroClocks()
{
    StateSamples::Sample sample;
    const QByteArray data = sample.serialize();
    QVERIFY2(data.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<QLXZentick version=\"1.00\">\n"
                             " <ClockList size=\"0\"/>\n <GroupList size=\"0\"/>\n"),
             data.constData());
}

void TestStateFile::saveAndLoadTheProcessState()
{
    StateSamples::Sample sample = StateSamples::golden();
    installInRegistry(sample);
    const QString path = AppSettings::stateFilePath();
    QVERIFY(saveSettings());
    QCOMPARE(fileBytes(path), GoldenFile::read(golden));

    const NotificationSettings saved = notificationSettings();
    ClockRegistry::resetForTest();
    notificationSettings() = NotificationSettings();
    QVERIFY(loadSettings());
    QCOMPARE(ClockRegistry::instance()->clockCount(), 3);
    QCOMPARE(ClockRegistry::instance()->groupCount(), 2);
    QCOMPARE(notificationSettings(), saved);
    QVERIFY(ClockRegistry::instance()->clockAt(0)->hasConfig());
    QVERIFY(!ClockRegistry::instance()->clockAt(1)->hasConfig());

    QFile::remove(path);
    QVERIFY(saveSettings());
    QCOMPARE(fileBytes(path), GoldenFile::read(golden));
    ClockRegistry::resetForTest();
}

void TestStateFile::stateFileIsOwnerOnly_data()
{
    QTest::addColumn<bool>("existing");
    QTest::newRow("new file") << false;
    QTest::newRow("existing world-readable file is tightened") << true;
}

void TestStateFile::stateFileIsOwnerOnly()
{
    QFETCH(bool, existing);
    const QString path = AppSettings::stateFilePath();
    QFile::remove(path);
    if (existing) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<old/>");
        file.close();
        QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                    | QFileDevice::ReadOther));
    }
    ClockRegistry::resetForTest();
    QVERIFY(saveSettings());
    QCOMPARE(QFile::permissions(path), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                                           | QFileDevice::WriteUser);
}

void TestStateFile::unloadableFileChangesNothing_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<qint64>("size"); // > 0: a sparse file of that size
    QTest::addColumn<bool>("keptAside");

    QTest::newRow("missing file (first start)") << QByteArray() << qint64(-1) << false;
    QTest::newRow("empty file") << QByteArray() << qint64(0) << false;
    QTest::newRow("not XML") << QByteArray("settings") << qint64(0) << true;
    QTest::newRow("truncated by a crash") << stateFile("<Clock><Common name=\"A\"/></Clock>").left(60) << qint64(0) << true;
    QTest::newRow("no element") << document("<!-- empty -->") << qint64(0) << true;
    QTest::newRow("larger than any state file") << QByteArray("<") << qint64(65) * 1024 * 1024 << true;
}

void TestStateFile::unloadableFileChangesNothing()
{
    QFETCH(QByteArray, data);
    QFETCH(qint64, size);
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
            QVERIFY(file.resize(size));
    }

    ClockRegistry::resetForTest();
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
    ClockRegistry::resetForTest();
    QFile::remove(path);
    for (const QString &name : kept)
        QFile::remove(folder.filePath(name));
}

QTEST_GUILESS_MAIN(TestStateFile)
#include "tst_statefile.moc"
