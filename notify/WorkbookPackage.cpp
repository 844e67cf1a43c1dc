#include "notify/WorkbookPackage.h"

#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include <string_view>
#include <vector>

namespace {

constexpr quint32 maxPartBytes = 256u * 1024u * 1024u;
constexpr quint32 endOfDirectorySignature = 0x06054b50;
constexpr quint32 directoryEntrySignature = 0x02014b50;
constexpr quint32 localHeaderSignature = 0x04034b50;
constexpr int endOfDirectorySize = 22;
constexpr int maxCommentSize = 0xffff;
constexpr int directoryEntrySize = 46;
constexpr int localHeaderSize = 30;

quint32 le32(const QByteArray &bytes, qint64 at)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData() + at);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 le16(const QByteArray &bytes, qint64 at)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData() + at);
    return quint16(p[0] | p[1] << 8);
}

} // namespace

namespace WorkbookPackage {

bool sizesWithinBounds(const QByteArray &bytes)
{
    const qint64 size = bytes.size();
    qint64 end = -1;
    for (qint64 at = size - endOfDirectorySize; at >= 0 && at >= size - endOfDirectorySize - maxCommentSize; --at) {
        if (le32(bytes, at) == endOfDirectorySignature) {
            end = at;
            break;
        }
    }
    if (end < 0)
        return false;
    const int entries = le16(bytes, end + 10);
    qint64 entry = le32(bytes, end + 16);
    for (int i = 0; i < entries; ++i) {
        if (entry < 0 || entry + directoryEntrySize > size || le32(bytes, entry) != directoryEntrySignature)
            return false;
        if (le32(bytes, entry + 20) > maxPartBytes || le32(bytes, entry + 24) > maxPartBytes)
            return false;
        const qint64 local = le32(bytes, entry + 42);
        if (local + localHeaderSize > size || le32(bytes, local) != localHeaderSignature)
            return false;
        if (le32(bytes, local + 18) > maxPartBytes || le32(bytes, local + 22) > maxPartBytes)
            return false;
        entry += directoryEntrySize + le16(bytes, entry + 28) + le16(bytes, entry + 30) + le16(bytes, entry + 32);
    }
    return true;
}

bool holdsInlineStrings(const QByteArray &bytes)
{
    orcus::zip_archive_stream_blob stream(reinterpret_cast<const uint8_t *>(bytes.constData()),
                                          std::size_t(bytes.size()));
    orcus::zip_archive archive(&stream);
    archive.load();
    const std::string_view sheetFolder = "xl/worksheets/";
    const std::string_view marker = "inlineStr";
    std::vector<unsigned char> part;
    for (std::size_t i = 0; i < archive.get_file_entry_count(); ++i) {
        const std::string_view name = archive.get_file_entry_name(i);
        if (name.substr(0, sheetFolder.size()) != sheetFolder)
            continue;
        part.clear();
        if (!archive.read_file_entry(name, part))
            continue;
        const std::string_view text(reinterpret_cast<const char *>(part.data()), part.size());
        if (text.find(marker) != std::string_view::npos)
            return true;
    }
    return false;
}

} // namespace WorkbookPackage
