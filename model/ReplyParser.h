#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// The two ways a clock's reply body is cut up.

// Splits at every "&" and keeps empty fields, except that a rest that starts
// with "&" and holds no other "&" gives the single field after it (so a
// reply "&x" is one field, "x").
QStringList splitReplyFields(const QString &text);
// The same split without a copy of any field: fills the first `capacity`
// fields as pieces of `text` and returns how many fields there are in all.
// For the status poller, which reads a reply per clock every few seconds.
int splitReplyFieldRefs(const QString &text, QStringRef *fields, int capacity);

// key=value pairs joined by "&". Only the text after the last "\r\n" is
// read; leading "&" are skipped; a later key overwrites an earlier one; a
// fragment without "=" before the next "&" is skipped.
QMap<QString, QString> parseReplyMap(const QString &text);
