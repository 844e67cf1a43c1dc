#include "persistence/PlanFile.h"

#include "platform/PrivateFiles.h"
#include "persistence/XmlFile.h"

#include <QDebug>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PlanFile {

namespace {

bool failed(QString *why, const QString &reason)
{
    // As the program's other writers report it.
    qDebug("Error: Cannot write file");
    if (why)
        *why = reason;
    return false;
}

} // namespace

AddressPlan::Parsed load(const QString &path)
{
    QByteArray data;
    QString why;
    if (!XmlFile::readData(path, data, &why)) {
        AddressPlan::Parsed refused;
        refused.error = why;
        return refused;
    }
    return AddressPlan::parse(data);
}

bool saveData(const QString &path, const QByteArray &data, QString *why)
{
    if (PrivateFiles::isSymlink(path))
        return failed(why, QStringLiteral("it is a symbolic link, and a plan is not written through one"));
    QString reason;
    return PrivateFiles::writeWhole(path, data, &reason) || failed(why, reason);
}

bool save(const QString &path, const QVector<PlanRow> &rows, QString *why)
{
    return saveData(path, AddressPlan::write(rows), why);
}

} // namespace PlanFile
