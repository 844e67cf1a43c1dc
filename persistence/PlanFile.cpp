#include "PlanFile.h"

#include "XmlFile.h"

#include <algorithm>

namespace PlanFile {

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

bool save(const QString &path, const QVector<PlanRow> &rows)
{
    const bool withPasswords =
        std::any_of(rows.cbegin(), rows.cend(), [](const PlanRow &row) { return !row.password.isEmpty(); });
    // Any bytes: the writer of the XML files is the program's one atomic writer.
    return XmlFile::write(path, AddressPlan::write(rows),
                          withPasswords ? XmlFile::Access::OwnerOnly : XmlFile::Access::Default);
}

} // namespace PlanFile
