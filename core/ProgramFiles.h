#pragma once

#include <QString>
#include <QStringList>

// Files that ship with the program (translation catalogues, manuals). In a
// build tree they lie beside the executable; an installed program keeps them
// under the prefix's data folder (../share/zentick from bin/), so both places
// are searched, in that order.
namespace ProgramFiles {

// The folders searched for a program's files when its executable lies in
// programDir.
QStringList searchFolders(const QString &programDir);
// The first existing file of that relative name in the folders of
// programDir; "" when there is none.
QString locate(const QString &relativePath, const QString &programDir);
// The same for the running program.
QString locate(const QString &relativePath);

} // namespace ProgramFiles
