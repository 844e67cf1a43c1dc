// Where the program finds the files it ships with, in a build tree and when
// installed under a prefix.
#include "ProgramFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestProgramFiles : public QObject
{
    Q_OBJECT

private slots:
    void locate_data();
    void locate();
};

void TestProgramFiles::locate_data()
{
    QTest::addColumn<QStringList>("files"); // relative to the temporary root
    QTest::addColumn<QString>("expected");  // "" when nothing is found

    const QString relative = "translations/ZTK_de.qm";
    QTest::newRow("build tree: beside the program") << QStringList{"bin/" + relative} << "bin/" + relative;
    QTest::newRow("installed under a prefix") << QStringList{"share/zentick/" + relative}
                                              << "share/zentick/" + relative;
    QTest::newRow("both: the build tree's copy wins")
        << QStringList{"bin/" + relative, "share/zentick/" + relative} << "bin/" + relative;
    QTest::newRow("neither") << QStringList{"share/other/" + relative} << QString();
    QTest::newRow("a folder of that name is no file") << QStringList{"bin/" + relative + "/x"} << QString();
}

void TestProgramFiles::locate()
{
    QFETCH(QStringList, files);
    QFETCH(QString, expected);
    QTemporaryDir root;
    for (const QString &file : files) {
        QVERIFY(QDir(root.path()).mkpath(QFileInfo(file).path()));
        QFile f(root.filePath(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const QString found = ProgramFiles::locate("translations/ZTK_de.qm", root.filePath("bin"));
    QCOMPARE(found, expected.isEmpty() ? QString() : QDir::cleanPath(root.filePath(expected)));
}

QTEST_APPLESS_MAIN(TestProgramFiles)
#include "tst_programfiles.moc"
