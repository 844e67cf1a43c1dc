#pragma once

#include "transport/DeviceInfo.h"

#include <QByteArray>
#include <QString>
#include <QVector>

class DevClock;
class Worker;
class WorkerThread;

// The discovery exchange: one "QLX?" broadcast on UDP port 9666 through one
// local interface, and the clocks' tag-length-value replies.
namespace DiscoveryDatagram {

// Parses one reply into info. The sender's address (when not empty) is set
// first, and every field read before a fault stays set, so a rejected reply
// may still leave a valid record; false when the reply is rejected: a 4-byte
// datagram (our own query, heard back; info untouched), a marker (tag 0) that
// is short or does not begin with "QLX", a port (tag 4) under two bytes, or
// an item whose header or value runs past the end.
bool parse(const QByteArray &datagram, const QString &senderAddress, DeviceInfo &info);

// A worker thread carrying the broadcast through the interface, not started.
WorkerThread *makeQuery(const NetworkCardData &card);

// The replies a finished query heard on the card that give a valid record
// (address and port), in arrival order, each with the card as its interface.
QVector<DeviceInfo> validReplies(Worker *worker, const NetworkCardData &card);
// Replies the system dropped while the query's worker listened; 0 when it
// does not tell.
int lostReplies(Worker *worker);

// A new clock (owned by the caller) with the reply's address, port, model,
// firmware, device code, MAC (when it has six bytes) and interface; every
// other field keeps its default.
DevClock *newClock(const DeviceInfo &info);

} // namespace DiscoveryDatagram
