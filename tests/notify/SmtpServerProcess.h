#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

// A real SMTP server (python3-aiosmtpd) on a free loopback port, for the
// duration of one test. Certificates are made at test time with openssl.
class SmtpServerProcess
{
public:
    struct Message
    {
        QString from;
        QStringList recipients;
        QByteArray data; // without its Date: and Message-ID: lines, which change with every mail
        QByteArray stamps; // those lines
        QJsonObject headers; // To, Cc, Date, Message-ID as the email package reads them
        QString auth;
        bool tls = false;
    };

    ~SmtpServerProcess();

    // Writes a self-signed certificate for 127.0.0.1 and its key into folder.
    static bool makeCertificate(const QString &folder);

    // mode: "plain", "starttls" or "tls". An empty user means no AUTH needed.
    bool start(const QString &mode, const QString &certFolder, const QString &user = QString(),
               const QString &password = QString());
    int port() const { return m_port; }
    // Waits up to timeoutMs for the count-th message.
    bool waitForMessages(int count, int timeoutMs = 10000);
    QList<Message> messages() const { return m_messages; }

private:
    void readOutput();

    QProcess m_process;
    QByteArray m_output;
    int m_port = 0;
    QList<Message> m_messages;
};
