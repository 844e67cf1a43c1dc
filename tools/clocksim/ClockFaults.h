#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// What one simulated clock does wrong. Every field off means a clock that
// behaves. The HTTP faults (silent, status, wrongCredentials, delayMs, trickle,
// endless, replyBody, rawReply) apply to every path unless `paths` names some.
class ClockFaults
{
public:
    bool silent = false;             // accepts and reads the request, never answers
    bool refuse = false;             // no listener on its address: connections are refused
    int status = 0;                  // answer every request with this HTTP status (0: off)
    bool wrongCredentials = false;   // refuses every credential with 401
    QString ntpWord;                 // NTP word of the status reply instead of the clock's own
    int delayMs = 0;                 // wait this long before the first byte of a reply
    int delayMaxMs = 0;              // with "delayMs": [low, high], a wait drawn anew per reply
    int trickleGapMs = 0;            // send the reply in pieces with this gap (0: off)
    int tricklePieces = 3;           // number of pieces of a trickled reply
    bool dropOnNetworkWrite = false; // "/D0": apply, then close without answering
    int moveDelayMs = 0;             // after "/D0", stay unreachable this long before the new address
    bool noDiscovery = false;        // never answers the discovery query
    bool stepBackOnRefusal = false;  // after a 401, the other clocks at its address answer first
    bool endless = false;            // a reply that never ends
    bool ignoreConfigWrites = false; // "/A1", "/B0", "/C0" with a body: answer as usual, change nothing
    // Replies the clock would never give on its own, for the client's parsers.
    // Texts stand for bytes: every character must be below U+0100.
    bool hasReplyBody = false;       // this body instead of the endpoint's, with a matching length
    QByteArray replyBody;
    bool hasRawReply = false;        // these bytes instead of the whole HTTP reply
    QByteArray rawReply;
    QByteArray discoveryReply;       // this datagram instead of the discovery reply (empty: off)
    QStringList paths;

    bool appliesTo(const QString& path) const;
    // The wait before this reply's first byte.
    int drawDelayMs() const;
    QJsonObject toJson() const;

    // Reads the fault object of a clock file or of the control channel.
    // Unknown keys and wrong types are errors ("faults.trickleGapMs: ...").
    static bool fromJson(const QJsonObject& object, ClockFaults* faults, QString* error);
};
