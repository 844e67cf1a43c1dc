#pragma once

#include <QByteArray>
#include <QString>

// Collects what an SMTP server sends and hands out whole replies: a reply is
// taken only once its final line (no hyphen after the code) is there, so a
// multi-line reply split over several reads still counts as one.
class SmtpReplyBuffer
{
public:
    void append(const QByteArray &bytes) { m_buffer += bytes; }
    void clear() { m_buffer.clear(); }
    int size() const { return m_buffer.size(); }

    // Takes the next complete reply: its lines joined by "\n" and the code of
    // its last line (-1 when that line does not start with three digits).
    bool takeReply(QString &reply, int &code);

private:
    QByteArray m_buffer;
};
