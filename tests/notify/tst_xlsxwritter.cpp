#include "ReportFormat.h"
#include "TestRows.h"
#include "WorkbookProbe.h"
#include "XlsxWritter.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sched.h>
#include <sys/mount.h>

// The report workbook written for real and read back by two readers that are
// not ours: liborcus' document model and openpyxl.
class TestXlsxWritter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void runs_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void runs();
    void formatsAsAnotherReaderSeesThem();
    void unreadableWorkbookIsNotTouched_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void unreadableWorkbookIsNotTouched();
    void failedSaveOnFullDiskKeepsOldFile();
    void failedSaveAtBadPath_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void failedSaveAtBadPath();
    void writeRunsOnWorkerOneAtATime();
    void valueText_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void valueText();
    void sheetName_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void sheetName();
    void sheetNamesOfDifferentClocksDiffer();

private:
    QString path(const QString &name = QStringLiteral("report.xlsx")) const { return m_dir.filePath(name); }
    static QByteArray bytesOf(const QString &file);

    QTemporaryDir m_dir;
};

namespace {

ReportRun run(const QString &path, const QString &date, const QVector<ReportEntry> &entries,
              const QString &title = QStringLiteral("Temperature"))
{
    return ReportRun{path, title, date, entries};
}

const QString lobby = QStringLiteral("Lobby (192.168.0.20)");
const QString hall = QStringLiteral("Hall (192.168.0.21)");

QMap<QString, QString> cellsOf(const QList<WorkbookProbe::Sheet> &sheets, const QString &name)
{
    for (const WorkbookProbe::Sheet &sheet : sheets) {
        if (sheet.name == name)
            return sheet.cells;
    }
    return {};
}

QStringList namesOf(const QList<WorkbookProbe::Sheet> &sheets)
{
    QStringList names;
    for (const WorkbookProbe::Sheet &sheet : sheets)
        names << sheet.name;
    return names;
}

QList<WorkbookProbe::Sheet> orcusRead(const QString &file)
{
    bool ok = false;
    const QList<WorkbookProbe::Sheet> sheets = WorkbookProbe::readWithOrcusModel(file, &ok);
    if (!ok)
        qWarning("liborcus' document model could not read %s", qPrintable(file));
    return sheets;
}

} // namespace

void TestXlsxWritter::init()
{
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
}

QByteArray TestXlsxWritter::bytesOf(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TestXlsxWritter::runs()
{
    QFETCH(QJsonArray, runs);
    QFETCH(QStringList, sheets);
    QFETCH(QJsonObject, cells);

    XlsxWritter writers[2];
    for (const QJsonValue &value : runs) {
        const QJsonArray r = value.toArray();
        QVector<ReportEntry> entries;
        for (const QJsonValue &entry : r.at(3).toArray())
            entries.append({entry.toArray().at(0).toString(), entry.toArray().at(1).toString()});
        XlsxWritter &writer = writers[r.at(0).toInt()];
        const QByteArray before = bytesOf(path());
        const bool ok = r.at(4).toBool();
        QVERIFY2(writer.writeNow(run(path(), r.at(1).toString(), entries, r.at(2).toString())) == ok,
                 qPrintable(writer.lastError()));
        if (ok)
            QCOMPARE(writer.lastWriteUsedCache(), r.at(5).toBool());
        else
            QCOMPARE(bytesOf(path()), before);
    }
    const QList<WorkbookProbe::Sheet> read = orcusRead(path());
    QCOMPARE(namesOf(read), sheets);
    for (auto it = cells.begin(); it != cells.end(); ++it) {
        const QJsonObject sheet = it.value().toObject();
        QStringList expected;
        for (auto cell = sheet.begin(); cell != sheet.end(); ++cell)
            expected << cell.key() + QLatin1Char('=') + cell.value().toString();
        QStringList actual;
        const QMap<QString, QString> found = cellsOf(read, it.key());
        for (auto cell = found.begin(); cell != found.end(); ++cell)
            actual << cell.key() + QLatin1Char('=') + cell.value();
        QCOMPARE(actual, expected);
    }
}

// Widths, fonts and alignment as another reader sees them.
void TestXlsxWritter::formatsAsAnotherReaderSeesThem()
{
    XlsxWritter writer;
    QVERIFY(writer.writeNow(run(path(), "2026-12-06 10:05", {{lobby, QStringLiteral("21.5°C")}})));
    QVERIFY(writer.writeNow(run(path(), "2026-12-06 10:10", {{lobby, QStringLiteral("40%")}}, "Brightness")));
    const QJsonArray python = WorkbookProbe::readWithOpenpyxl(path());
    QCOMPARE(python.size(), 1);
    const QJsonObject first = python.at(0).toObject();
    QCOMPARE(first.value("name").toString(), lobby);
    const QJsonObject cells = first.value("cells").toObject();
    QCOMPARE(cells.keys(), (QStringList{"A1", "A2", "A3", "B1", "B2", "C1", "C3"}));
    QCOMPARE(cells.value("B2").toArray().at(1).toString(), QStringLiteral("21.5°C"));
    QCOMPARE(cells.value("A2").toArray().at(0).toString(), QStringLiteral("s"));
    const QJsonObject widths = first.value("widths").toObject();
    QCOMPARE(widths.keys(), (QStringList{"A", "B", "C"}));
    // The library stores a width with its padding; 25 characters read back
    // as 25.7109375.
    QVERIFY(qAbs(widths.value("A").toDouble() - 25.7) < 0.1);
    const QJsonObject header = first.value("A1").toObject();
    QCOMPARE(header.value("bold").toBool(), true);
    QCOMPARE(header.value("size").toDouble(), 11.0);
    QCOMPARE(header.value("align").toString(), QStringLiteral("center"));
    QCOMPARE(header.value("border").toBool(), false);
    const QJsonObject data = first.value("A2").toObject();
    QCOMPARE(data.value("bold").toBool(), false);
    QCOMPARE(data.value("align").toString(), QStringLiteral("left"));
}

void TestXlsxWritter::unreadableWorkbookIsNotTouched()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    if (kind == QLatin1String("inline")) {
        QVERIFY(WorkbookProbe::writeInlineStringWorkbook(path()));
    } else if (kind == QLatin1String("formula")) {
        QVERIFY(WorkbookProbe::writeFormulaWorkbook(path()));
    } else if (kind == QLatin1String("huge")) {
        // Sparse: it takes no room on the disk.
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(3) << 30));
        file.close();
    } else {
        XlsxWritter seed;
        QVERIFY(seed.writeNow(run(path(), "2026-12-06 10:00", {{lobby, "21.5°C"}})));
        QByteArray bytes = bytesOf(path());
        bytes = kind == QLatin1String("garbage") ? QByteArray("this is a note, not a workbook\n") : bytes.left(bytes.size() / 2);
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
    }
    const QByteArray before = bytesOf(path());
    const qint64 sizeBefore = QFileInfo(path()).size();

    XlsxWritter writer;
    QVERIFY(!writer.writeNow(run(path(), "2026-12-06 10:05", {{lobby, "21.6°C"}})));
    QVERIFY2(writer.lastError().contains(reason), qPrintable(writer.lastError()));
    QCOMPARE(QFileInfo(path()).size(), sizeBefore);
    QCOMPARE(bytesOf(path()), before);
    // And again at the next tick: still refused, still untouched.
    QVERIFY(!writer.writeNow(run(path(), "2026-12-06 10:06", {{lobby, "21.6°C"}})));
    QCOMPARE(bytesOf(path()), before);
}

void TestXlsxWritter::failedSaveOnFullDiskKeepsOldFile()
{
    // A small file system of the test's own, mounted in a mount namespace
    // that only this thread sees, makes the full disk a real one.
    if (unshare(CLONE_NEWNS) != 0)
        QSKIP("a mount namespace of its own needs root");
    QVERIFY(mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0);
    const QString disk = path("disk");
    QVERIFY(QDir().mkpath(disk));
    QVERIFY(mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=256k") == 0);
    struct Unmount
    {
        QByteArray where;
        ~Unmount() { umount2(where.constData(), MNT_DETACH); }
    } unmount{QFile::encodeName(disk)};

    const QString target = disk + QStringLiteral("/report.xlsx");
    XlsxWritter writer;
    QVERIFY(writer.writeNow(run(target, "2026-12-06 10:00", {{lobby, "21.5°C"}})));
    const QByteArray before = bytesOf(target);

    QFile filler(disk + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    QCOMPARE(filler.write("x", 1), qint64(-1));
    filler.close();

    QVERIFY(!writer.writeNow(run(target, "2026-12-06 10:05", {{lobby, "21.6°C"}})));
    QCOMPARE(bytesOf(target), before);
    QCOMPARE(QDir(disk).entryList(QDir::Files | QDir::Hidden), (QStringList{"filler", "report.xlsx"}));
}

void TestXlsxWritter::failedSaveAtBadPath()
{
    QFETCH(QString, target);
    QFile plain(path("plain.txt"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.write("keep me");
    plain.close();
    QVERIFY(QDir(m_dir.path()).mkdir("folder"));

    XlsxWritter writer;
    QVERIFY(!writer.writeNow(run(path(target), "2026-12-06 10:00", {{lobby, "21.5°C"}})));
    QCOMPARE(bytesOf(path("plain.txt")), QByteArray("keep me"));
    QVERIFY(QFileInfo(path("folder")).isDir());
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{"folder", "plain.txt"}));
}

void TestXlsxWritter::writeRunsOnWorkerOneAtATime()
{
    XlsxWritter writer;
    QSignalSpy finished(&writer, &XlsxWritter::writeFinished);
    QVERIFY(writer.startWrite(run(path(), "2026-12-06 10:00", {{lobby, "21.5°C"}})));
    QVERIFY(writer.isWriting());
    QVERIFY(!writer.startWrite(run(path(), "2026-12-06 10:01", {{lobby, "9°C"}})));
    QVERIFY(!writer.writeNow(run(path(), "2026-12-06 10:01", {{lobby, "9°C"}})));
    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QVERIFY(!writer.isWriting());

    QVERIFY(writer.startWrite(run(path(), "2026-12-06 10:05", {{lobby, "21.6°C"}})));
    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.at(1).at(0).toBool(), true);
    QVERIFY(writer.lastWriteUsedCache());
    const QMap<QString, QString> cells = cellsOf(orcusRead(path()), lobby);
    QCOMPARE(cells.value("B2"), QStringLiteral("s:21.5°C"));
    QCOMPARE(cells.value("B3"), QStringLiteral("s:21.6°C"));
    QCOMPARE(cells.value("A4"), QString());
}

void TestXlsxWritter::valueText()
{
    QFETCH(int, valueType);
    QFETCH(double, temperature);
    QFETCH(QString, unit);
    QFETCH(int, brightness);
    QFETCH(QString, expected);
    QCOMPARE(ReportFormat::valueText(valueType, temperature, unit, brightness), expected);
}

void TestXlsxWritter::sheetName()
{
    QFETCH(QString, name);
    QFETCH(QString, ip);
    QFETCH(QString, expected);
    const QString sheet = ReportFormat::sheetName(name, ip);
    QVERIFY2(ReportFormat::isValidSheetName(sheet), qPrintable(sheet));
    if (expected.contains(QLatin1Char('~'))) {
        // The digest is fixed, so compare all but its six characters.
        const int tilde = expected.indexOf(QLatin1Char('~'));
        QCOMPARE(sheet.left(tilde + 1), expected.left(tilde + 1));
        QCOMPARE(sheet.mid(tilde + 7), expected.mid(tilde + 7));
        QCOMPARE(sheet.size(), expected.size());
    } else {
        QCOMPARE(sheet, expected);
    }
    // The same clock always lands on the same sheet.
    QCOMPARE(ReportFormat::sheetName(name, ip), sheet);

    // And the file format accepts it.
    XlsxWritter writer;
    QVERIFY(writer.writeNow(run(path(), "2026-12-06 10:00", {{sheet, "1°C"}})));
    QCOMPARE(namesOf(orcusRead(path())), QStringList{sheet});
}

void TestXlsxWritter::sheetNamesOfDifferentClocksDiffer()
{
    const QString a = ReportFormat::sheetName(QStringLiteral("Entrance hall, north staircase A"), "10.0.0.1");
    const QString b = ReportFormat::sheetName(QStringLiteral("Entrance hall, north staircase B"), "10.0.0.1");
    const QString c = ReportFormat::sheetName(QStringLiteral("a:b"), "10.0.0.1");
    const QString d = ReportFormat::sheetName(QStringLiteral("a/b"), "10.0.0.1");
    QVERIFY(a != b);
    QVERIFY(c != d);
}

QTEST_GUILESS_MAIN(TestXlsxWritter)
#include "tst_xlsxwritter.moc"
