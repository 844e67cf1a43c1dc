#pragma once

#include "board/BoardRows.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QMutex>

#include <array>
#include <atomic>

// The clocks document, put together from a snapshot on whichever thread
// asks (the listener's work threads, never the list's). The complete list of
// each language is kept as built, plain and compressed: boards that load at
// once share one build, and a large fleet's list is compressed once, harder
// than the listener would for an answer of one.
class BoardListBuilder
{
public:
    static constexpr int defaultCompleteListMaxAgeMs = 1000;
    // Slower than the listener's fastest level, but done once for every
    // board that loads the list: a fifth fewer bytes on the wire.
    static constexpr int completeListGzipLevel = 6;

    struct Body
    {
        QByteArray bytes;
        bool gzipped = false;
    };

    // {"version", "complete", "clocks", "summary"}. Every clock when since
    // is from another run, from before clocks were last added or removed,
    // or newer than the snapshot; a complete list built less than
    // maxAgeMs ago is served again meanwhile, its version saying what it
    // holds. Otherwise the clocks whose shown fields changed after since,
    // and "statusTimes": the status times, by clock id, of those whose
    // status time alone moved on (compressed by the listener, as small
    // answers are).
    Body answer(const BoardSnapshot &snapshot, Language language, quint64 since, bool gzip);
    // What changed after since, built and compressed once for every board
    // that asks with the same since of the same snapshot: boards polling in
    // step share it. For the list's thread; the bytes are shared, not copied.
    Body changes(const BoardSnapshot &snapshot, Language language, quint64 since, bool gzip);
    static QByteArray document(const BoardSnapshot &snapshot, Language language, quint64 since);
    static bool isComplete(const BoardSnapshot &snapshot, quint64 since);

    void setCompleteListMaxAgeMs(int ms) { m_maxAgeMs = ms; }

private:
    struct CompleteList
    {
        quint64 version = 0;
        quint64 listVersion = 0;
        QElapsedTimer age;
        QByteArray plain;
        QByteArray gzipped;
    };
    // The answers to "since" of the last snapshot asked for, by since.
    struct Changes
    {
        quint64 version = 0;
        quint64 listVersion = 0;
        QHash<quint64, std::array<QByteArray, 2>> answers; // plain, compressed
    };
    // Boards that fell behind each ask with a since of their own.
    static constexpr int maxSharedAnswers = 64;
    std::array<Changes, LanguageManager::languageCount> m_changes;
    std::array<QMutex, LanguageManager::languageCount> m_locks;
    std::array<CompleteList, LanguageManager::languageCount> m_completeLists;
    std::atomic<int> m_maxAgeMs{defaultCompleteListMaxAgeMs};
};
