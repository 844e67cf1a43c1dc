#pragma once

#include <QByteArray>

// What to send in one exchange. The client owns its commands: makeWorkerThread
// only reads the command while it creates the worker, so a command may live on
// the stack. The one exception is a TCP command with the external flag set,
// whose worker keeps a pointer to it: such a command must outlive the worker
// (that is, stay alive until Finished has been delivered).
class Command
{
public:
    Command();
    // Virtual so that a client may free any command through a base pointer.
    virtual ~Command();

    // Fills the payload and the expected reply length.
    virtual void build() = 0;
    virtual bool isValid() const;

    // The payload, built on first use.
    QByteArray payload();
    // -1: reply length unknown.
    int expectedLength() const { return m_expectedLength; }

    // Read only by the TCP worker: send the payload in two phases.
    bool handshake() const { return m_handshake; }
    void setHandshake(bool handshake) { m_handshake = handshake; }
    // The worker gets an empty payload and a TCP worker keeps the command.
    bool isExternal() const { return m_external; }
    void setExternal(bool external) { m_external = external; }

protected:
    QByteArray m_payload;
    int m_expectedLength = -1;
    bool m_handshake = false;
    bool m_external = false;
};
