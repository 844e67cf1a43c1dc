#pragma once

#include <QByteArray>
#include <QString>

// Files and folders that hold the device list, its passwords and its history
// are the user's alone, whatever the umask, and are never reached through a
// symbolic link another user could have planted. The reasons returned are
// short English phrases for logs and the command line.
namespace PrivateFiles {

// Creates the folder and the parents it lacks, owner only (0700) whatever
// the umask; a folder of the user's that others can enter is narrowed.
bool makeFolder(const QString &path);

// The path itself is a symbolic link (it is not followed).
bool isSymlink(const QString &path);
QString symlinkReason();

// Opens a file for appending (and reading) and creates it owner-only (0600); an existing
// file of the user's that others can read is narrowed. -1 with the reason
// when it cannot be opened or is a symbolic link.
int openForAppend(const QString &path, QString *why);

// Appends whole lines, all or nothing: after a short or failed write the
// file is cut back to where it was. A last line left unended by an earlier
// crash is ended first, so the lines appended are never glued onto it.
bool appendLines(const QString &path, const QByteArray &lines, QString *why);

// Replaces the file with data as a whole, owner only (0600) whatever the
// umask, or leaves it as it was: written beside it, synced and renamed over
// it; never written through a symbolic link at the path.
bool writeWhole(const QString &path, const QByteArray &data, QString *why);

// Only the user can add or replace files in it: a real folder the user owns
// that neither group nor others can write.
bool isOwnFolder(const QString &path);

// Reads at most maxBytes + 1 bytes of a regular file the user owns, opened
// without following a link; false with the reason otherwise.
bool readOwnFile(const QString &path, qint64 maxBytes, QByteArray &data, QString *why);

} // namespace PrivateFiles
