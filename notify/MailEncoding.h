#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// How mail text goes on the wire so that every server takes it: no line
// over 998 characters (strict servers refuse the message), lines within 78
// where a blank allows it, and anything not plain ASCII declared as UTF-8.
// Text that already fits goes as it is, byte for byte, because mail filters
// match the alert mails as they have always looked.
namespace MailEncoding {

constexpr int recommendedLineLength = 78;
constexpr int maxLineLength = 998;

bool isAscii(const QString &text);
// Characters of the longest line, CRLF not counted.
int longestLine(const QByteArray &lines);

// "Name <address>", "\"Name\" <address>" or a bare address.
struct Mailbox
{
    QString displayName; // without its quotes
    QString address;
};
Mailbox mailbox(const QString &text);

// A header of free text such as "Subject:", with its CRLF. One line while
// it fits in maxLineLength; otherwise folded at blanks, or made of encoded
// words when it is not ASCII or a word is too long to fold.
QByteArray textHeader(const char *name, const QString &value);
// "From:": the sender as written, but a display name that is not ASCII in
// encoded words.
QByteArray mailboxHeader(const char *name, const QString &sender);
// "To:" or "Cc:" naming every address, folded between addresses.
QByteArray addressHeader(const char *name, const QStringList &addresses);

// RFC 2047 words ("=?UTF-8?B?...?="), cut between characters, on folded
// lines; used is how much of the first line is already taken.
QByteArray encodedWords(const QString &text, int used);
// Quoted-printable of text whose lines end in LF: CRLF line ends, lines of
// at most 76 characters, and no line that begins with ".".
QByteArray quotedPrintable(const QByteArray &text);

// A file sent with a mail.
struct Attachment
{
    QString fileName;
    QByteArray contentType; // "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet"
    QByteArray data;
};

// Base64 (RFC 2045) in lines of at most 76 characters, each ended by CRLF.
QByteArray base64Lines(const QByteArray &data);
// The value of a "filename" (or "name") parameter: quoted when the name is
// plain ASCII, in the RFC 2231 form ("filename*=UTF-8''...") otherwise. The
// result begins with the parameter's name.
QByteArray fileNameParameter(const char *parameter, const QString &fileName);
// MIME-Version, a multipart/mixed Content-Type with boundary, then the body:
// the text part (its own headers, a blank line and its encoded text) and
// each attachment in base64. The boundary must not occur in any part.
QByteArray multipartMixed(const QByteArray &textPart, const QList<Attachment> &attachments,
                          const QByteArray &boundary);

} // namespace MailEncoding
