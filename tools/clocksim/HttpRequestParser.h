#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

// Collects one HTTP request from the bytes of a connection. Bounded: a head
// over kMaxHeadBytes or a declared body over kMaxBodyBytes stops the parse, so
// a peer can never make the clock hold more than that.
class HttpRequestParser
{
public:
    enum class State { Incomplete, Complete, Invalid, TooLarge };

    static constexpr int kMaxHeadBytes = 8 * 1024;
    static constexpr int kMaxBodyBytes = 64 * 1024;

    // Appends bytes and returns the state; bytes after a complete request are ignored.
    State feed(const QByteArray& data);
    State state() const { return m_state; }

    QByteArray head() const { return m_head; } // request line to the empty line, inclusive
    QByteArray body() const { return m_body; }
    QByteArray method() const { return m_method; }
    QByteArray path() const { return m_path; }
    // First header of that name, compared without letter case; value without surrounding blanks.
    QByteArray header(const QByteArray& name) const;
    bool hasHeader(const QByteArray& name) const;

private:
    bool parseHead();

    State m_state = State::Incomplete;
    QByteArray m_buffer;
    QByteArray m_head;
    QByteArray m_body;
    QByteArray m_method;
    QByteArray m_path;
    QList<QPair<QByteArray, QByteArray>> m_headers;
    qint64 m_bodyLength = -1;
};
