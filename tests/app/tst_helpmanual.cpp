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
}

void TestHelpManual::target()
{
    QFETCH(QStringList, installed);
    QFETCH(int, language);
    QFETCH(QString, opened);

    QTemporaryDir program;
    QVERIFY(QDir(program.path()).mkpath("manuals"));
    for (const QString &code : installed) {
        QFile manual(program.filePath("manuals/QLX Zentick " + code + ".pdf"));
        QVERIFY(manual.open(QIODevice::WriteOnly));
    }
    const QUrl url = HelpManual::target(program.path(), language);
    if (opened == "web")
        QCOMPARE(url, QUrl("https://www.qlx-devices.example/"));
    else
        QCOMPARE(url, QUrl::fromLocalFile(program.filePath("manuals/QLX Zentick " + opened + ".pdf")));
}

QTEST_APPLESS_MAIN(TestHelpManual)
#include "tst_helpmanual.moc"
