#pragma once

#include "persistence/XmlFile.h"

#include <QDomElement>
#include <QString>
#include <QTime>
#include <QXmlStreamReader>

#include <memory>

class ClockConfig;
struct ClockConfigFields;
class XmlScanner;
class XmlWriter;

// The "Configuration" element: a complete clock configuration. It is embedded
// in the state file under every clock and group that has one and is the
// payload of the program's own configuration file.
namespace ConfigurationXml {

// Every time of day in the program's files.
inline const QString timeFormat = QStringLiteral("hh:mm");

// "hh:mm"; an invalid time is written as "".
QString timeText(const QTime &time);
// An invalid time when the text is missing or malformed.
QTime parseTime(const QString &text);
template <class Element>
QTime readTime(const Element &element, const QString &name)
{
    return parseTime(XmlFile::textAttribute(element, name));
}

// Writes the element, with its Time, Display and all 30 Alarm children, at
// the writer's current position.
void write(XmlWriter &writer, const ClockConfigFields &config);

// A new configuration, marked loaded. Every Time and Display field is taken
// from the element, so an absent attribute gives 0, false, "" or an invalid
// time; alarms fill the slots in document order (at most 30), the others keep
// their defaults.
std::unique_ptr<ClockConfig> read(const QDomElement &element);
// The same from the reader's current "Configuration" start element, which is
// read up to its end element.
std::unique_ptr<ClockConfig> read(QXmlStreamReader &reader);
std::unique_ptr<ClockConfig> read(XmlScanner &reader);

} // namespace ConfigurationXml
