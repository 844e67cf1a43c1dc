#include "AppSettings.h"
#include "ClockConfig.h"
#include "ClockRegistry.h"
#include "DevClock.h"
#include "DevGroup.h"
#include "GoldenFile.h"
#include "StateFile.h"
#include "StateSamples.h"

#include <QtTest>

#include <functional>

namespace {

const QString golden = QStringLiteral("settings.xml");

QString boolProbe(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// A loaded value as text, by the name a row gives ("clock1.name", "port").
QString probe(const StateFile::Lists &lists, const NotificationSettings &n, const QString &key)
{
    const int dot = key.indexOf(QLatin1Char('.'));
    if (key.startsWith(QLatin1String("clock")) && dot > 0) {
        const size_t index = key.mid(5, dot - 5).toUInt();
        if (index >= lists.clocks.size())
            return QStringLiteral("no clock");
        const DevClock &c = *lists.clocks.at(index);
        const std::map<QString, std::function<QString()>> fields = {
            {QStringLiteral("name"), [&] { return c.name; }},
            {QStringLiteral("password"), [&] { return c.password; }},
            {QStringLiteral("groupId"), [&] { return QString::number(c.groupId); }},
            {QStringLiteral("firmware"), [&] { return QString::number(c.firmware); }},
            {QStringLiteral("DHCP"), [&] { return boolProbe(c.network.DHCP); }},
            {QStringLiteral("ip"), [&] { return c.network.ip; }},
            {QStringLiteral("remoteMode"), [&] { return boolProbe(c.status.remoteMode); }},
            {QStringLiteral("temperature"), [&] { return QString::number(double(c.status.temperature)); }},
            {QStringLiteral("lastStatusUpdate"), [&] { return c.status.lastStatusUpdate.toString(Qt::ISODate); }},
            {QStringLiteral("interface"), [&] { return c.networkInterface.name + QLatin1Char('/') + c.networkInterface.ip.toString(); }},
            {QStringLiteral("hasConfig"), [&] { return boolProbe(c.hasConfig()); }},
            {QStringLiteral("Server1"), [&] { return c.config().Server1; }},
        };
        const auto it = fields.find(key.mid(dot + 1));
        return it == fields.end() ? QStringLiteral("unknown key") : it->second();
    }
    if (key.startsWith(QLatin1String("group")) && dot > 0) {
        const size_t index = key.mid(5, dot - 5).toUInt();
        if (index >= lists.groups.size())
            return QStringLiteral("no group");
        const DevGroup &g = *lists.groups.at(index);
        const QString field = key.mid(dot + 1);
        if (field == QLatin1String("name"))
            return g.name();
        if (field == QLatin1String("hasConfig"))
            return boolProbe(g.hasConfig());
        QStringList members;
        for (int m : g.clockIndexes())
            members << QString::number(m);
        return members.join(QLatin1Char(','));
    }
    QStringList recipients;
    for (const Recipient &r : n.recipients)
        recipients << r.name + (r.copy ? QStringLiteral(":cc") : QStringLiteral(":to"));
    const std::map<QString, std::function<QString()>> fields = {
        {QStringLiteral("clocks"), [&] { return QString::number(lists.clocks.size()); }},
        {QStringLiteral("groups"), [&] { return QString::number(lists.groups.size()); }},
        {QStringLiteral("server"), [&] { return n.server; }},
        {QStringLiteral("port"), [&] { return QString::number(n.port); }},
        {QStringLiteral("password"), [&] { return n.password; }},
        {QStringLiteral("authType"), [&] { return QString::number(n.authType); }},
        {QStringLiteral("ignoreSslErrors"), [&] { return boolProbe(n.ignoreSslErrors); }},
        {QStringLiteral("errorAuth"), [&] { return boolProbe(n.errorAuth); }},
        {QStringLiteral("recipients"), [&] { return recipients.join(QLatin1Char(' ')); }},
    };
    const auto it = fields.find(key);
    return it == fields.end() ? QStringLiteral("unknown key") : it->second();
}

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

void TestStateFile::loading_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("root with another name and version")
        << document("<Other version=\"0.5\"><ClockList><Clock><Common name=\"A\"/></Clock></ClockList></Other>")
        << "clock0.name" << "A";
    QTest::newRow("root without version") << document("<QLXZentick><ClockList><Clock/></ClockList></QLXZentick>")
                                          << "clocks" << "1";
    QTest::newRow("sibling with another tag is read as a clock")
        << stateFile("<Clock/><Device><Common name=\"B\"/></Device>") << "clock1.name" << "B";
    QTest::newRow("elements before the first Clock are skipped")
        << stateFile("<Junk><Common name=\"J\"/></Junk><Clock><Common name=\"C\"/></Clock>") << "clock0.name" << "C";
    QTest::newRow("index attribute is not read")
        << stateFile("<Clock index=\"5\"><Common name=\"first\"/></Clock><Clock index=\"0\"/>") << "clock0.name" << "first";
    QTest::newRow("DHCP 2 reads as false") << stateFile("<Clock><Network DHCP=\"2\"/></Clock>") << "clock0.DHCP" << "false";
    QTest::newRow("DHCP 1 reads as true") << stateFile("<Clock><Network DHCP=\"1\"/></Clock>") << "clock0.DHCP" << "true";
    QTest::newRow("remoteMode 2 reads as true")
        << stateFile("<Clock><Status remoteMode=\"2\"/></Clock>") << "clock0.remoteMode" << "true";
    QTest::newRow("missing Common gives an empty name, not the default")
        << stateFile("<Clock/>") << "clock0.name" << "";
    QTest::newRow("missing Network gives an empty ip, not the factory address")
        << stateFile("<Clock/>") << "clock0.ip" << "";
    QTest::newRow("non-numeric firmware reads as 0")
        << stateFile("<Clock><Common firmware=\"1.05\"/></Clock>") << "clock0.firmware" << "0";
    QTest::newRow("missing temperature reads as 0") << stateFile("<Clock><Status/></Clock>") << "clock0.temperature" << "0";
    QTest::newRow("status time is day first")
        << stateFile("<Clock><Status lastStatusUpdate=\"07.03.2026 08:05:09\"/></Clock>")
        << "clock0.lastStatusUpdate" << "2026-03-07T08:05:09";
    QTest::newRow("malformed status time is null")
        << stateFile("<Clock><Status lastStatusUpdate=\"2026-03-07 08:05\"/></Clock>") << "clock0.lastStatusUpdate" << "";
    QTest::newRow("clock password taken as it stands")
        << stateFile("<Clock><Common password=\"cGFzcw==\"/></Clock>") << "clock0.password" << "cGFzcw==";
    QTest::newRow("interface read")
        << stateFile("<Clock><NetworkCardData name=\"eth1\" ip=\"10.1.2.3\"/></Clock>") << "clock0.interface" << "eth1/10.1.2.3";
    QTest::newRow("clock without Configuration has none")
        << stateFile("<Clock/>") << "clock0.hasConfig" << "false";
    QTest::newRow("clock with an empty Configuration has one")
        << stateFile("<Clock><Configuration/></Clock>") << "clock0.hasConfig" << "true";
    QTest::newRow("group members in document order, any tag")
        << stateFile("", "<GroupList><Group><ClockList><ClockIndex index=\"3\"/><X index=\"1\"/></ClockList></Group></GroupList>")
        << "group0.members" << "3,1";
    QTest::newRow("group without Configuration has none")
        << stateFile("", "<GroupList><Group name=\"G\"/></GroupList>") << "group0.hasConfig" << "false";
    QTest::newRow("group sibling with another tag is a group")
        << stateFile("", "<GroupList><Group/><Other name=\"O\"/></GroupList>") << "group1.name" << "O";
    QTest::newRow("NotifSet without authType gives 0")
        << stateFile("", "<NotifSet server=\"s\"/>") << "authType" << "0";
    QTest::newRow("no NotifSet keeps authType 2") << stateFile("") << "authType" << "2";
    QTest::newRow("NotifSet without port gives 0") << stateFile("", "<NotifSet/>") << "port" << "0";
    QTest::newRow("no NotifSet keeps port 465") << stateFile("") << "port" << "465";
    QTest::newRow("no NotifSet keeps the recipients") << stateFile("") << "recipients" << "old@example.org:cc";
    QTest::newRow("NotifSet replaces the recipients, copy only when 1")
        << stateFile("", "<NotifSet><Recipients><Recipient name=\"a@x\" copy=\"2\"/><To name=\"b@x\" copy=\"1\"/></Recipients></NotifSet>")
        << "recipients" << "a@x:to b@x:cc";
    QTest::newRow("ignoreSslErrors 2 reads as false")
        << stateFile("", "<NotifSet ignoreSslErrors=\"2\"/>") << "ignoreSslErrors" << "false";
    QTest::newRow("errorAuth 1 reads as true") << stateFile("", "<NotifSet errorAuth=\"1\"/>") << "errorAuth" << "true";
    QTest::newRow("SMTP password decoded from Base64")
        << stateFile("", "<NotifSet password=\"xbzDs8WCdw==\"/>") << "password" << QString::fromUtf8("żółw");
}

void TestStateFile::loading()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    StateFile::Lists lists;
    NotificationSettings settings;
    settings.recipients = {{QStringLiteral("old@example.org"), true}};
    QVERIFY(StateFile::parse(data, lists, settings));
    QCOMPARE(probe(lists, settings, key), expected);
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
