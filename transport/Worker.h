#pragma once

#include <QByteArray>
#include <QObject>

// One exchange with a clock. UDP and TCP workers own their socket for the
// length of the exchange and run on a worker thread (see WorkerThreadPool);
// an HTTP worker is carried by the exchange loop, which holds the socket. A
// transport reports failure only through the error flag (and WorkerWWW
// through its error code); nothing is thrown out of execute.
class Worker : public QObject
{
    Q_OBJECT

public:
    explicit Worker(const QByteArray &payload = QByteArray());
    ~Worker() override;

    // The received bytes.
    virtual QByteArray data() const;
    // Prepares the socket.
    virtual void open();
    // Sends the payload and collects the reply.
    virtual void transfer() = 0;
    // Closes and releases the socket.
    virtual void close();

    // open, transfer and close, in that order, on the calling thread.
    void execute();

    // What this exchange occupies while it runs (a clock's address, a local
    // port): no two exchanges with one key run at once. Empty: nothing.
    virtual QString exchangeKey() const;

    bool error() const { return m_error; }
    QByteArray payload() const { return m_payload; }

protected:
    void setError(bool error) { m_error = error; }

    QByteArray m_payload;

private:
    bool m_error = false;
};
