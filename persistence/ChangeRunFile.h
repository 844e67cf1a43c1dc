#pragma once

#include <QString>

struct ChangeRunState;

// Each change run's state in the data folder ("changes/<id>.json"), private
// and written whole or not at all, so that `change --resume ID` finds what
// the run had done when it stopped or was killed.
namespace ChangeRunFile {

// A run of 200 000 clocks stays far below this.
inline constexpr qint64 maxFileSize = 256 * 1024 * 1024;

QString folderPath();
QString pathOf(const QString &id);

bool save(const ChangeRunState &state, QString *why);
// False with the reason when there is no such run or its file is not one.
bool load(const QString &id, ChangeRunState &state, QString *why);

} // namespace ChangeRunFile
