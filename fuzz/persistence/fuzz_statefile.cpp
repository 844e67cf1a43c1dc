#include "model/DevClock.h"
#include "notify/NotificationSettings.h"
#include "persistence/StateFile.h"

#include <cstdint>
#include <cstdlib>

// The state-file loader on arbitrary bytes. Whatever it loads must save to a
// file that loads again with the same number of clocks and groups: a load
// followed by the next auto-save must never produce an unreadable file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    StateFile::Lists lists;
    NotificationSettings settings;
    if (!StateFile::parse(input, lists, settings))
        return 0;

    QList<DevClock *> clocks;
    for (const auto &clock : lists.clocks)
        clocks.append(clock.get());
    QList<DevGroup *> groups;
    for (const auto &group : lists.groups)
        groups.append(group.get());
    const QByteArray saved = StateFile::serialize(clocks, groups, settings);

    StateFile::Lists reloaded;
    NotificationSettings reloadedSettings;
    if (!StateFile::parse(saved, reloaded, reloadedSettings) || reloaded.clocks.size() != lists.clocks.size()
        || reloaded.groups.size() != lists.groups.size())
        std::abort();
    return 0;
}
