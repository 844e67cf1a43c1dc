#include "HelpManual.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestHelpManual : public QObject
{
    Q_OBJECT

private slots:
    void target_data();
    void target();
};

void TestHelpManual::target_data()
{
    QTest::addColumn<QStringList>("installed"); // language codes with a manual
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("opened"); // a code, or "web"

    QTest::newRow("the language's own manual") << QStringList{"EN", "DE"} << 5 << "DE";
    QTest::newRow("English when the language has none") << QStringList{"EN"} << 1 << "EN";
    QTest::newRow("English for an unknown language") << QStringList{"EN", "PL"} << 9 << "EN";
    QTest::newRow("the web site without any manual") << QStringList{} << 0 << "web";
    QTest::newRow("another language's manual is no help") << QStringList{"FR"} << 2 << "web";
    QTest::newRow("installed under a prefix") << QStringList{"share:EN", "share:DE"} << 5 << "share:DE";
    QTest::newRow("the language before the folder") << QStringList{"EN", "share:DE"} << 5 << "share:DE";
}

void TestHelpManual::target()
{
    QFETCH(QStringList, installed);
    QFETCH(int, language);
    QFETCH(QString, opened);

    // "share:" marks a manual of a program installed in bin/ of a prefix.
    QTemporaryDir prefix;
    const auto path = [&prefix](const QString &code) {
        return code.startsWith("share:") ? prefix.filePath("share/zentick/manuals/QLX Zentick " + code.mid(6) + ".pdf")
                                         : prefix.filePath("bin/manuals/QLX Zentick " + code + ".pdf");
    };
    for (const QString &code : installed) {
        QVERIFY(QDir().mkpath(QFileInfo(path(code)).path()));
        QFile manual(path(code));
        QVERIFY(manual.open(QIODevice::WriteOnly));
    }
    const QUrl url = HelpManual::target(prefix.filePath("bin"), language);
    if (opened == "web")
        QCOMPARE(url, QUrl("https://www.qlx-devices.example/"));
    else
        QCOMPARE(url, QUrl::fromLocalFile(path(opened)));
}

QTEST_APPLESS_MAIN(TestHelpManual)
#include "tst_helpmanual.moc"
