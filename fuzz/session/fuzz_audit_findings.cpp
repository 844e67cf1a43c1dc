#include "session/AuditFindingsStore.h"

#include <cstdint>
#include <cstdlib>

// The kept audit findings on arbitrary bytes (another program writes the
// file): whatever is read must write back to bytes that read the same.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    const QByteArray written = AuditFindingsStore::fromJson(input).toJson();
    if (AuditFindingsStore::fromJson(written).toJson() != written)
        std::abort();
    return 0;
}
