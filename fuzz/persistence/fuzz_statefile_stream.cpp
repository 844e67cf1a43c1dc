#include "model/DevClock.h"
#include "notify/NotificationSettings.h"
#include "persistence/StateDocumentReader.h"
#include "persistence/StateFile.h"
#include "persistence/StateStreamReader.h"

#include <cstdint>
#include <cstdlib>

// The stream reader of the state file against the DOM reader on arbitrary
// bytes: whatever both accept, they must read into the same records, or the
// choice of reader would change what a user's device list holds. (The stream
// reader is laxer about the characters of names, so it loads a few documents
// the DOM reader refuses; those it reads like any other.) The scanner of
// plain documents accepts only what the stream reader accepts, into the same
// records.
namespace {

QByteArray saved(const StateFile::Lists &lists, const NotificationSettings &settings)
{
    QList<DevClock *> clocks;
    for (const auto &clock : lists.clocks)
        clocks.append(clock.get());
    QList<DevGroup *> groups;
    for (const auto &group : lists.groups)
        groups.append(group.get());
    return StateFile::serialize(clocks, groups, settings);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    StateFile::Lists plainLists;
    NotificationSettings plainSettings;
    const bool plain = StateStreamReader::parsePlain(input, plainLists, plainSettings);
    StateFile::Lists streamLists;
    NotificationSettings streamSettings;
    const bool stream = StateStreamReader(input).parse(streamLists, streamSettings);
    if (plain && (!stream || plainSettings != streamSettings || saved(plainLists, plainSettings) != saved(streamLists, streamSettings)))
        std::abort();
    if (!stream)
        return 0;
    StateFile::Lists documentLists;
    NotificationSettings documentSettings;
    if (!StateDocumentReader::parse(input, documentLists, documentSettings))
        return 0;
    if (streamSettings != documentSettings || saved(streamLists, streamSettings) != saved(documentLists, documentSettings))
        std::abort();
    return 0;
}
