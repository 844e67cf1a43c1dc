#pragma once

#include <QHash>
#include <QString>

// Passwords kept off the command line, where every user's ps shows them.
// --password-file FILE (and --old-file, --new-file) gives the first line of
// FILE; "--password -" (and "--old -", "--new -") reads a line from standard
// input, without echo on a terminal, in the order password, old, new; and
// ZENTICK_PASSWORD stands for --password when neither form is given.
namespace CliCommandLineSecrets {

// Whether the option name is one of the file forms of an option the command
// takes (takes("password") for "password-file").
bool isFileForm(const QString &name, QString *base = nullptr);

// Replaces the file forms and "-" in options by the passwords they give;
// takesPassword says whether the command has --password. False with a
// one-line reason on a conflict or a file or input that cannot be read.
bool resolve(QHash<QString, QString> &options, bool takesPassword, QString &error);

} // namespace CliCommandLineSecrets
