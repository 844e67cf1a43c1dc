#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

// Reads the head of one HTTP/1.x request as it arrives in pieces, within a
// fixed size: a peer can make it hold no more than maxHeadBytes, however much
// it sends. Method, path, query and the header fields are kept, every field
// checked for shape. A body is never read.
class HttpRequestParser
{
public:
    enum class State {
        Incomplete, // the head has not ended yet
        Complete,   // a well-formed head; method() and path() are set
        Malformed,  // not an HTTP/1.x request head
        TooLarge,   // no end of head within maxHeadBytes
    };

    static constexpr int DefaultMaxHeadBytes = 8 * 1024;

    explicit HttpRequestParser(int maxHeadBytes = DefaultMaxHeadBytes);

    // Takes the next bytes; returns the state after them. Once the state is
    // no longer Incomplete, further bytes are ignored.
    State feed(const char *data, qsizetype size);
    State feed(const QByteArray &bytes) { return feed(bytes.constData(), bytes.size()); }

    State state() const { return m_state; }
    // How many more bytes the head may take: what a reader should read at most.
    qsizetype room() const { return m_maxHeadBytes - m_head.size(); }

    QByteArray method() const { return m_method; }
    // The request target without its query ("/metrics?x=1" gives "/metrics").
    QByteArray path() const { return m_path; }
    // What follows the "?" of the target, undecoded; empty without one.
    QByteArray query() const { return m_query; }
    // The value of the first field of that name (any letter case), without
    // the blanks around it; empty when there is none.
    QByteArray header(const QByteArray &name) const;

private:
    State parseHead();
    bool parseRequestLine(const QByteArray &line);
    bool readHeaderField(const QByteArray &line);

    const int m_maxHeadBytes;
    QByteArray m_head;
    qsizetype m_scanFrom = 0;
    bool m_requestLineSeen = false;
    State m_state = State::Incomplete;
    QByteArray m_method;
    QByteArray m_path;
    QByteArray m_query;
    QList<QPair<QByteArray, QByteArray>> m_fields; // names in lower case
};
