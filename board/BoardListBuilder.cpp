#include "board/BoardListBuilder.h"

#include "http/HttpGzip.h"

#include <algorithm>

namespace {

size_t slotOf(Language language)
{
    return size_t(std::clamp(int(language), 0, LanguageManager::languageCount - 1));
}

} // namespace

bool BoardListBuilder::isComplete(const BoardSnapshot &snapshot, quint64 since)
{
    return since < snapshot.firstVersion || since < snapshot.listVersion || since > snapshot.version;
}

QByteArray BoardListBuilder::document(const BoardSnapshot &snapshot, Language language, quint64 since)
{
    const bool complete = isComplete(snapshot, since);
    QByteArray clocks;
    QByteArray times;
    if (complete) {
        int length = 0;
        for (const auto &row : snapshot.rows)
            length += row->head.size() + row->state[slotOf(language)].size() + row->statusTime.size()
                + row->tail.size() + 16;
        clocks.reserve(length);
    }
    for (const auto &row : snapshot.rows) {
        if (complete || row->shownVersion > since) {
            if (!clocks.isEmpty())
                clocks += ',';
            row->appendTo(clocks, language);
        } else if (row->timeVersion > since) {
            // The page works out the status age from these; the rest of
            // the row is as the page has it.
            times += times.isEmpty() ? "\"" : ",\"";
            times += QByteArray::number(row->id);
            times += "\":";
            times += row->statusTime;
        }
    }
    QByteArray out;
    out.reserve(clocks.size() + times.size() + snapshot.summary.size() + 96);
    out += "{\"version\":\"" + QByteArray::number(snapshot.version) + "\",\"complete\":";
    out += complete ? "true" : "false";
    out += ",\"clocks\":[";
    out += clocks;
    out += ']';
    if (!complete) {
        out += ",\"statusTimes\":{";
        out += times;
        out += '}';
    }
    out += ",\"summary\":";
    out += snapshot.summary;
    out += '}';
    return out;
}

BoardListBuilder::Body BoardListBuilder::changes(const BoardSnapshot &snapshot, Language language, quint64 since,
                                                 bool gzip)
{
    Changes &kept = m_changes[slotOf(language)];
    if (kept.version != snapshot.version || kept.listVersion != snapshot.listVersion) {
        kept.answers.clear();
        kept.version = snapshot.version;
        kept.listVersion = snapshot.listVersion;
    }
    auto found = kept.answers.find(since);
    if (found == kept.answers.end()) {
        if (kept.answers.size() >= maxSharedAnswers)
            kept.answers.clear();
        found = kept.answers.insert(since, {document(snapshot, language, since), QByteArray()});
    }
    std::array<QByteArray, 2> &bytes = found.value();
    // Small answers are not worth it; the listener leaves them plain too.
    if (!gzip || bytes[0].size() < HttpGzip::worthFromBytes)
        return {bytes[0], false};
    if (bytes[1].isEmpty())
        bytes[1] = HttpGzip::compressed(bytes[0]);
    if (bytes[1].isEmpty())
        return {bytes[0], false};
    return {bytes[1], true};
}

BoardListBuilder::Body BoardListBuilder::answer(const BoardSnapshot &snapshot, Language language, quint64 since,
                                                bool gzip)
{
    if (!isComplete(snapshot, since))
        return {document(snapshot, language, since), false};
    const size_t slot = slotOf(language);
    const QMutexLocker locked(&m_locks[slot]);
    CompleteList &list = m_completeLists[slot];
    // Kept while it holds the list's clocks and is new enough; a list built
    // from a newer snapshot than this one is newer still.
    const bool fresh = !list.plain.isEmpty() && list.listVersion >= snapshot.listVersion
        && (list.version >= snapshot.version || list.age.elapsed() < m_maxAgeMs);
    if (!fresh) {
        list.plain = document(snapshot, language, since);
        list.gzipped.clear();
        list.version = snapshot.version;
        list.listVersion = snapshot.listVersion;
        list.age.start();
    }
    if (gzip && list.gzipped.isEmpty())
        list.gzipped = HttpGzip::compressed(list.plain, completeListGzipLevel);
    if (gzip && !list.gzipped.isEmpty())
        return {list.gzipped, true};
    return {list.plain, false};
}
