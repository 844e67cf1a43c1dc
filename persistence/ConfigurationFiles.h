#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class ClockConfig;
struct ClockConfigFields;

// The three files a configuration is kept in: the program's own file (the
// whole configuration), the display export and the alarms export. Writers
// return false, with "Error: Cannot write file" in the debug log, when the
// file could not be written; readers return null when the file is missing,
// unreadable, ill-formed, holds no element or exceeds XmlFile's limits (size,
// nesting, attribute length); why, where a reader takes it, says which.
// Readers accept any root name.
namespace ConfigurationFiles {

// Own file: root "QLXZentickConf" holding one "Configuration" element.
QByteArray ownFileData(const ClockConfigFields &config);
std::unique_ptr<ClockConfig> parseOwnFile(const QByteArray &data);
// why says what was wrong with bytes that did not parse.
std::unique_ptr<ClockConfig> parseOwnFile(const QByteArray &data, QString *why);
bool saveConfiguration(const QString &path, const ClockConfigFields &config);
// why, when given, says what was wrong with a file that did not open.
std::unique_ptr<ClockConfig> openConfiguration(const QString &path, QString *why = nullptr);

// Display export: only the display fields. The result of a parse holds the
// constructor's defaults in every other field and is not marked loaded.
QByteArray displayFileData(const ClockConfigFields &config);
std::unique_ptr<ClockConfig> parseDisplayFile(const QByteArray &data);
std::unique_ptr<ClockConfig> parseDisplayFile(const QByteArray &data, QString *why);
bool exportDisplay(const QString &path, const ClockConfigFields &config);
std::unique_ptr<ClockConfig> importDisplay(const QString &path, QString *why = nullptr);

// Alarms export: only the 30 alarms, "ALARM1" .. "ALARM30". The result of a
// parse holds the constructor's defaults in every other field and in every
// slot the file does not name, and is not marked loaded.
QByteArray alarmsFileData(const ClockConfigFields &config);
std::unique_ptr<ClockConfig> parseAlarmsFile(const QByteArray &data);
std::unique_ptr<ClockConfig> parseAlarmsFile(const QByteArray &data, QString *why);
bool exportAlarms(const QString &path, const ClockConfigFields &config);
std::unique_ptr<ClockConfig> importAlarms(const QString &path, QString *why = nullptr);

// "+0.0", "-0.5": fixed, one decimal, always signed.
QString temperatureOffsetText(float value);

} // namespace ConfigurationFiles
