#include "AppSettings.h"
#include "ClockConfig.h"
#include "ConfigurationFileActions.h"
#include "ConfigurationFiles.h"
#include "GoldenFile.h"
#include "SampleConfig.h"
#include "StateSamples.h"

#include <QTemporaryDir>
#include <QtTest>


namespace {

using Parser = std::unique_ptr<ClockConfig> (*)(const QByteArray &);
using Writer = QByteArray (*)(const ClockConfigFields &);

Parser parserFor(const QString &kind)
{
    if (kind == QLatin1String("own"))
        return ConfigurationFiles::parseOwnFile;
    if (kind == QLatin1String("display"))
        return ConfigurationFiles::parseDisplayFile;
    return ConfigurationFiles::parseAlarmsFile;
}

Writer writerFor(const QString &kind)
{
    if (kind == QLatin1String("own"))
        return ConfigurationFiles::ownFileData;
    if (kind == QLatin1String("display"))
        return ConfigurationFiles::displayFileData;
    return ConfigurationFiles::alarmsFileData;
}

// The line of the data that starts with prefix after the indentation.
QByteArray lineStarting(const QByteArray &data, const QByteArray &prefix)
{
    for (const QByteArray &line : data.split('\n')) {
        if (line.trimmed().startsWith(prefix))
            return line;
    }
    return QByteArray();
}

QByteArray document(const char *body)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n") + body;
}

} // namespace

class TestConfigurationFiles : public QObject
{
    Q_OBJECT

private slots:
    void goldenFiles_data();
    void goldenFiles();
    void readers_data();
    void readers();
    void unreadableInput_data();
    void unreadableInput();
    void temperatureOffset_data();
    void temperatureOffset();
    void exportsImportOnlyTheirPart_data();
    void exportsImportOnlyTheirPart();
    void fileActions_data();
    void fileActions();

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
    const QByteArray written = writerFor(kind)(config);
    QVERIFY2(GoldenFile::matches(golden, written, &difference), qPrintable(difference));

    // Reading the committed file and writing it again gives the same bytes.
    const auto reread = parserFor(kind)(GoldenFile::read(golden));
    QVERIFY(reread);
    QVERIFY2(GoldenFile::matches(golden, writerFor(kind)(*reread), &difference), qPrintable(difference));
}

// Each input is read, written again by the same format, and the written
// file must hold the fragment exactly count times.
void TestConfigurationFiles::readers_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("fragment");
    QTest::addColumn<int>("count");

    QTest::newRow("own file with another root name")
        << "own" << document("<Other version=\"1.00\"><Configuration><Time Localization=\"3\"/></Configuration></Other>")
        << QByteArray("<Time Localization=\"3\" TimeZoneActive=\"0\"") << 1;
    QTest::newRow("own file with another version")
        << "own" << document("<QLXZentickConf version=\"7.5\"><Configuration><Display typeface=\"1\"/></Configuration></QLXZentickConf>")
        << QByteArray(" typeface=\"1\"/>") << 1;
    QTest::newRow("own file without a Configuration has empty time fields")
        << "own" << document("<QLXZentickConf/>") << QByteArray(" SummerTimeStartTime=\"\" SummerTimeEndTime=\"\" ") << 1;
    QTest::newRow("own file without a processing instruction")
        << "own" << QByteArray("<r><Configuration><Time Server1=\"ntp\"/></Configuration></r>") << QByteArray(" Server1=\"ntp\" ") << 1;
    QTest::newRow("bool 2 reads as true")
        << "own" << document("<r><Configuration><Display ShowTime=\"2\"/></Configuration></r>") << QByteArray("<Display ShowTime=\"1\" ") << 1;
    QTest::newRow("non-numeric int reads as 0")
        << "own" << document("<r><Configuration><Display DurationTime=\"ten\"/></Configuration></r>") << QByteArray(" DurationTime=\"0\" ") << 1;
    QTest::newRow("malformed time reads as invalid")
        << "own" << document("<r><Configuration><Display EcoStart=\"25:00\"/></Configuration></r>") << QByteArray(" EcoStart=\"\" ") << 1;
    QTest::newRow("alarms fill slots in document order, any tag")
        << "own" << document("<r><Configuration><Alarms><Alarm index=\"9\" Duration=\"1\"/><X Duration=\"2\"/></Alarms></Configuration></r>")
        << QByteArray("<Alarm index=\"1\" Active=\"0\" Time=\"\" Duration=\"2\" ") << 1;
    {
        QByteArray alarms;
        for (int i = 0; i < 31; ++i)
            alarms += "<Alarm Active=\"1\" Duration=\"" + QByteArray::number(i) + "\"/>";
        const QByteArray data = document(("<r><Configuration><Alarms size=\"31\">" + alarms + "</Alarms></Configuration></r>").constData());
        QTest::newRow("31 alarms load the first 30") << "own" << data << QByteArray("<Alarm index=\"29\" Active=\"1\" Time=\"\" Duration=\"29\" ") << 1;
        QTest::newRow("31 alarms write 30") << "own" << data << QByteArray("<Alarm index=") << 30;
    }
    QTest::newRow("only ALARM3 fills slot 2")
        << "alarms" << document("<DisplayXmlProper State=\"0\"><AlarmsConfig><ALARM3 Active=\"1\" Time=\"07:30\"/></AlarmsConfig></DisplayXmlProper>")
        << QByteArray("<ALARM3 Active=\"1\" Time=\"07:30\" Duration=\"0\" Mode=\"All days\" ") << 1;
    QTest::newRow("only ALARM3 leaves the other slots at their defaults")
        << "alarms" << document("<DisplayXmlProper State=\"0\"><AlarmsConfig><ALARM3 Active=\"1\" Time=\"07:30\"/></AlarmsConfig></DisplayXmlProper>")
        << QByteArray(" Active=\"0\" Time=\"\" Duration=\"0\" Mode=\"All days\" Weekday1=\"0\" ") << 29;
    QTest::newRow("lower-case selected days imports as all days")
        << "alarms" << document("<a><AlarmsConfig><ALARM1 Mode=\"selected days\"/></AlarmsConfig></a>") << QByteArray("Mode=\"Selected days\"") << 0;
    QTest::newRow("Selected days imports as selected days")
        << "alarms" << document("<a><AlarmsConfig><ALARM1 Mode=\"Selected days\"/></AlarmsConfig></a>") << QByteArray("Mode=\"Selected days\"") << 1;
    QTest::newRow("weekdays fill days 1 to 7")
        << "alarms" << document("<a><AlarmsConfig><ALARM30 Weekday1=\"1\" Weekday7=\"1\"/></AlarmsConfig></a>")
        << QByteArray(" Weekday1=\"1\" Weekday2=\"0\" Weekday3=\"0\" Weekday4=\"0\" Weekday5=\"0\" Weekday6=\"0\" Weekday7=\"1\"/>") << 1;
    QTest::newRow("padded or out-of-range alarm names fill no slot")
        << "alarms" << document("<a><AlarmsConfig><ALARM03 Active=\"1\"/><ALARM31 Active=\"1\"/></AlarmsConfig></a>") << QByteArray("Active=\"1\"") << 0;
    QTest::newRow("display offset with a plus sign")
        << "display" << document("<DisplayXmlProper IsProper=\"1\"><DisplayConfig><Thermometer TempOffsetValue=\"+0.5\"/></DisplayConfig></DisplayXmlProper>")
        << QByteArray(" TempOffsetValue=\"+0.5\"/>") << 1;
    QTest::newRow("display file with another root and no IsProper")
        << "display" << document("<x><DisplayConfig><DisplaySync SyncIp=\"10.0.0.1\"/></DisplayConfig></x>") << QByteArray(" SyncIp=\"10.0.0.1\"/>") << 1;
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

void TestConfigurationFiles::unreadableInput_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("data");

    const QList<QPair<const char *, QByteArray>> inputs = {
        {"empty", QByteArray()},
        {"not XML", QByteArray("Configuration=1")},
        {"processing instruction only", document("")},
        {"comment only", document("<!-- nothing -->")},
        {"truncated", document("<QLXZentickConf version=\"1.00\"><Configuration>")},
        {"mismatched tags", document("<a><b></a></b>")},
    };
    for (const QString &kind : {QStringLiteral("own"), QStringLiteral("display"), QStringLiteral("alarms")}) {
        for (const auto &input : inputs)
            QTest::addRow("%s file, %s", qPrintable(kind), input.first) << kind << input.second;
    }
}

void TestConfigurationFiles::unreadableInput()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, data);
    QVERIFY(!parserFor(kind)(data));
}

void TestConfigurationFiles::temperatureOffset_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("roundTrips");
    QTest::newRow("zero") << 0.0f << "+0.0" << true;
    QTest::newRow("negative zero") << -0.0f << "+0.0" << true;
    QTest::newRow("minus a half") << -0.5f << "-0.5" << true;
    QTest::newRow("positive") << 12.3f << "+12.3" << true;
    QTest::newRow("below minus ten") << -10.7f << "-10.7" << true;
    QTest::newRow("small negative keeps its sign") << -0.04f << "-0.0" << false;
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
    if (roundTrips) {
        const auto imported = ConfigurationFiles::parseDisplayFile(data);
        QVERIFY(imported);
        QCOMPARE(imported->TemperatureOffsetValue, value);
    }
}

void TestConfigurationFiles::exportsImportOnlyTheirPart_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("display export and import") << "display";
    QTest::newRow("alarms export and import") << "alarms";
}

void TestConfigurationFiles::exportsImportOnlyTheirPart()
{
    QFETCH(QString, kind);
    QVERIFY(m_dir.isValid());
    ClockConfig source;
    SampleConfig::fill(source, 3);
    const ClockConfig defaults;
    const QString path = m_dir.filePath(kind + QStringLiteral(".xml"));
    const bool display = kind == QLatin1String("display");

    QVERIFY(display ? ConfigurationFiles::exportDisplay(path, source) : ConfigurationFiles::exportAlarms(path, source));
    const auto imported = display ? ConfigurationFiles::importDisplay(path) : ConfigurationFiles::importAlarms(path);
    QVERIFY(imported);
    // Only a part: the editor must not take it for a whole configuration.
    QVERIFY(!imported->loaded);
    const ClockConfig &displaySource = display ? source : defaults;
    const ClockConfig &alarmsSource = display ? defaults : source;
    QCOMPARE(ConfigurationFiles::displayFileData(*imported), ConfigurationFiles::displayFileData(displaySource));
    QCOMPARE(ConfigurationFiles::alarmsFileData(*imported), ConfigurationFiles::alarmsFileData(alarmsSource));
    QCOMPARE(lineStarting(ConfigurationFiles::ownFileData(*imported), "<Time "),
             lineStarting(ConfigurationFiles::ownFileData(defaults), "<Time "));
}

void TestConfigurationFiles::fileActions_data()
{
    using Action = ConfigurationFileActions::Action;
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("lastPathMoves");

    // saved.qlxztc and saved.xml are written by the rows before they are read.
    QTest::newRow("save as") << int(Action::SaveAs) << "a/saved.qlxztc" << "Configuration saved successfully" << true;
    QTest::newRow("open") << int(Action::Open) << "a/saved.qlxztc" << "Configuration loaded successfully" << true;
    QTest::newRow("open a missing file") << int(Action::Open) << "b/missing.qlxztc" << "Configuration loaded failed" << false;
    QTest::newRow("save into a missing folder") << int(Action::SaveAs) << "none/x.qlxztc" << "Configuration save failed" << false;
    QTest::newRow("export display") << int(Action::ExportDisplay) << "c/display.xml" << "Configuration exported successfully" << true;
    QTest::newRow("import display") << int(Action::ImportDisplay) << "c/display.xml" << "Configuration import successfully" << true;
    QTest::newRow("export alarms") << int(Action::ExportAlarms) << "d/alarms.xml" << "Configuration exported successfully" << true;
    QTest::newRow("import alarms") << int(Action::ImportAlarms) << "d/alarms.xml" << "Configuration import successfully" << true;
    QTest::newRow("import an ill-formed file") << int(Action::ImportAlarms) << "e/bad.xml" << "Configuration import failed" << false;
    QTest::newRow("export into a missing folder") << int(Action::ExportAlarms) << "none/x.xml" << "Configuration export failed" << false;
    QTest::newRow("cancelled dialog") << int(Action::Open) << "" << "" << false;
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
    const bool writes = texts(Action(action)).saveDialog;
    if (writes && message.endsWith(QLatin1String("failed")))
        QTest::ignoreMessage(QtDebugMsg, "Error: Cannot write file");

    const Result result = run(Action(action), path, current);
    QCOMPARE(result.message, message);
    QCOMPARE(result.ok, !message.isEmpty() && !message.endsWith(QLatin1String("failed")));
    QCOMPARE(AppSettings::lastPath(), lastPathMoves ? QFileInfo(path).absolutePath() + QLatin1Char('/') : before);
    if (Action(action) == Action::Open && result.ok)
        QVERIFY(result.config->sameContent(current));
}

QTEST_GUILESS_MAIN(TestConfigurationFiles)
#include "tst_configurationfiles.moc"
