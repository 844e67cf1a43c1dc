#pragma once

#include "persistence/StateLists.h"

#include <QByteArray>

struct NotificationSettings;

// The state file read with QXmlStreamReader: several times faster than the
// DOM reader on a long device list. It reads every document it accepts into
// the same records as StateDocumentReader, and refuses the documents the two
// would read differently (see readsAlike in the source), so StateFile::parse
// can hand those to the DOM reader.
class StateStreamReader
{
public:
    explicit StateStreamReader(const QByteArray &data);

    // As StateFile::parse; false also for the documents it refuses.
    bool parse(StateFile::Lists &lists, NotificationSettings &settings);

    // The same records read with XmlScanner, several times faster; false
    // also for every document that is not in the plain form the program
    // writes (see XmlScanner), which parse may still read.
    static bool parsePlain(const QByteArray &data, StateFile::Lists &lists, NotificationSettings &settings);

private:
    QByteArray m_data;
};
