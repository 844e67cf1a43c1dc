#include "model/AddressPlan.h"
#include "model/AddressRange.h"
#include "values/Ipv4Text.h"
#include "values/MacText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool sameRows(const QVector<PlanRow> &a, const QVector<PlanRow> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a.at(i).ip != b.at(i).ip || a.at(i).name != b.at(i).name || a.at(i).group != b.at(i).group
            || a.at(i).user != b.at(i).user || a.at(i).password != b.at(i).password || a.at(i).mac != b.at(i).mac)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));

    // A plan that is read holds canonical addresses (distinct, or told apart
    // by canonical MACs), and what it writes reads
    // back the same, byte for byte.
    const AddressPlan::Parsed parsed = AddressPlan::parse(bytes);
    if (parsed.ok() == parsed.rows.isEmpty())
        std::abort();
    for (const PlanRow &row : parsed.rows) {
        if (Ipv4Text::canonical(row.ip) != row.ip || row.line < 1
            || (!row.mac.isEmpty() && MacText::canonical(row.mac) != row.mac))
            std::abort();
    }
    if (parsed.ok() && !sameRows(AddressPlan::parse(AddressPlan::write(parsed.rows)).rows, parsed.rows))
        std::abort();

    // A range that is read is never empty and never larger than allowed.
    AddressRange range;
    if (AddressRange::parse(QString::fromUtf8(bytes.left(64)), range)
        && (range.count() < 1 || range.count() > AddressRange::MaxAddresses))
        std::abort();
    return 0;
}
