#pragma once

#include "transport/DeviceInfo.h"
#include "transport/InterfaceParameters.h"

#include <QString>

#include <memory>

class Command;
class Worker;
class WorkerThread;

// Turn a command and endpoint parameters into the right worker.
//
// Ownership: the caller keeps (and frees) the command; the functions below
// only read it, except that a TCP worker made from a command whose external
// flag is set keeps a pointer to it, so such a command must stay alive until
// Finished has been delivered. The parameters are consumed by
// makeWorkerThread.

// Parameters for reaching the clock described by info over the given
// transport, bound to its interface (any IPv4 address when that is "Default");
// none for a type that is not Tcp, Udp or Www.
std::unique_ptr<InterfaceParameters> makeParameters(DeviceInfo info, int interfaceType, const QString &user,
                                                    const QString &password, int firmware);

// A new worker, owned by the caller; none when the parameters are not
// NetworkParameters of a known type.
Worker *createWorker(Command &command, const InterfaceParameters &parameters);

// The worker wrapped in a new WorkerThread without parent, ready for
// WorkerThreadPool::start; none when createWorker gives none.
WorkerThread *makeWorkerThread(Command &command, std::unique_ptr<InterfaceParameters> parameters);
