#include "tools/clocksim/Simulator.h"

#include "tools/clocksim/ClockFileLoader.h"

#include <QJsonArray>
#include <QPointer>
#include <QTimer>

namespace {

constexpr int kBadRequest = 400;
constexpr int kUnauthorized = 401;
constexpr int kMethodNotAllowed = 405;
constexpr int kPayloadTooLarge = 413;
constexpr int kFirmwareScale = 100;
constexpr int kLastOctetMask = 0xFF;
constexpr int kDirectedBroadcastOctet = 255;

enum DiscoveryTag : char {
    kTagMarker = 0,
    kTagModel = 1,
    kTagMac = 3,
    kTagPort = 4,
    kTagFirmware = 8,
    kTagDeviceCode = 9,
};

const QByteArray kMarker = QByteArrayLiteral("QLX");

void appendItem(QByteArray& datagram, char tag, const QByteArray& value)
{
    // The loader keeps texts under 256 bytes, so the length always fits.
    datagram.append(tag).append(static_cast<char>(value.size())).append(value);
}

QString reasonPhrase(int status)
{
    switch (status) {
    case 200: return QStringLiteral("OK");
    case 400: return QStringLiteral("Bad Request");
    case 401: return QStringLiteral("Unauthorized");
    case 404: return QStringLiteral("Not Found");
    case 405: return QStringLiteral("Method Not Allowed");
    case 413: return QStringLiteral("Payload Too Large");
    case 500: return QStringLiteral("Internal Server Error");
    case 503: return QStringLiteral("Service Unavailable");
    default: return QStringLiteral("Error");
    }
}

QString authResult(const SimClock& clock, const HttpRequestParser& request)
{
    if (!request.hasHeader("Authorization"))
        return QStringLiteral("missing");
    const QByteArray value = request.header("Authorization");
    const QByteArray scheme = value.left(6);
    if (scheme.compare("Basic ", Qt::CaseInsensitive) != 0)
        return QStringLiteral("malformed");
    const auto decoded = QByteArray::fromBase64Encoding(value.mid(6).trimmed(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return QStringLiteral("malformed");
    const QByteArray expected = (clock.user + QLatin1Char(':') + clock.password).toUtf8();
    return *decoded == expected ? QStringLiteral("ok") : QStringLiteral("wrong");
}

} // namespace

Simulator::Simulator(const QVector<SimClock>& clocks, QObject* parent)
    : QObject(parent)
    , m_initial(clocks)
    , m_clocks(clocks)
    , m_moving(clocks.size(), false)
    , m_rank(clocks.size(), 0)
{
    m_uptime.start();
}

int Simulator::clockAt(const QHostAddress& address) const
{
    // Ten thousand clocks answer a thousand requests a second: a search of
    // the whole list per request would be most of the simulator's work.
    if (m_addressesChanged) {
        m_byAddress.clear();
        for (int i = 0; i < m_clocks.size(); ++i)
            m_byAddress[m_clocks.at(i).ip.toIPv4Address()].append(i);
        m_addressesChanged = false;
    }
    bool ipv4 = false;
    const quint32 key = address.toIPv4Address(&ipv4);
    int found = -1;
    const auto consider = [&](int i) {
        if (m_moving.at(i) || !m_clocks.at(i).ip.isEqual(address, QHostAddress::TolerantConversion))
            return;
        if (found < 0 || m_rank.at(i) < m_rank.at(found))
            found = i;
    };
    if (ipv4) {
        for (const int i : m_byAddress.value(key))
            consider(i);
    } else {
        for (int i = 0; i < m_clocks.size(); ++i)
            consider(i);
    }
    return found;
}

QList<QHostAddress> Simulator::listeningAddresses() const
{
    QList<QHostAddress> addresses;
    for (int i = 0; i < m_clocks.size(); ++i) {
        const QHostAddress& ip = m_clocks.at(i).ip;
        if (clockAt(ip) == i && !m_clocks.at(i).faults.refuse)
            addresses.append(ip);
    }
    return addresses;
}

QJsonObject Simulator::httpLogEntry(int clock, const QHostAddress& local, const QHostAddress& peer,
                                    quint16 peerPort) const
{
    QJsonObject entry;
    entry.insert(QStringLiteral("time"), QDateTime::currentDateTime().toString(Qt::ISODateWithMs));
    entry.insert(QStringLiteral("kind"), QStringLiteral("http"));
    entry.insert(QStringLiteral("clock"), clock);
    entry.insert(QStringLiteral("local"), QHostAddress(local.toIPv4Address()).toString());
    entry.insert(QStringLiteral("peer"),
                 QStringLiteral("%1:%2").arg(QHostAddress(peer.toIPv4Address()).toString()).arg(peerPort));
    return entry;
}

HttpDecision Simulator::handleHttp(const QHostAddress& local, const QHostAddress& peer, quint16 peerPort,
                                   const HttpRequestParser& request)
{
    HttpDecision decision;
    const int index = clockAt(local);
    QJsonObject entry = httpLogEntry(index, local, peer, peerPort);
    entry.insert(QStringLiteral("method"), QString::fromLatin1(request.method()));
    entry.insert(QStringLiteral("path"), QString::fromLatin1(request.path()));
    // Latin-1 maps every byte to one character, so the head reads back byte for byte.
    entry.insert(QStringLiteral("head"), QString::fromLatin1(request.head()));
    entry.insert(QStringLiteral("body"), QString::fromLatin1(request.body().toBase64()));
    if (index < 0) {
        // The clock left this address while the connection was being made.
        entry.insert(QStringLiteral("status"), 0);
        entry.insert(QStringLiteral("delivery"), QStringLiteral("close"));
        m_log.append(entry);
        return decision;
    }
    SimClock& clock = m_clocks[index];
    const ClockFaults& faults = clock.faults;
    const QString path = QString::fromLatin1(request.path());
    const bool faulty = faults.appliesTo(path);
    const QString auth = authResult(clock, request);
    entry.insert(QStringLiteral("auth"), auth);

    int status = 0;
    if (faulty && faults.silent) {
        decision.delivery = HttpDecision::Delivery::Silent;
    } else if (faulty && faults.status != 0) {
        status = faults.status;
        decision.delivery = HttpDecision::Delivery::Normal;
        decision.reply = httpReply(status, QByteArray());
    } else if (auth != QLatin1String("ok") || (faulty && faults.wrongCredentials)) {
        status = kUnauthorized;
        decision.delivery = HttpDecision::Delivery::Normal;
        decision.reply = httpReply(status, QByteArray());
        if (faults.stepBackOnRefusal) {
            m_rank[index] = ++m_lastRank;
            emit addressesChanged(); // the clock now in front may refuse connections
        }
    } else if (request.method() != "POST") {
        status = kMethodNotAllowed;
        decision.delivery = HttpDecision::Delivery::Normal;
        decision.reply = httpReply(status, QByteArray());
    } else {
        const EndpointReply reply = ClockEndpoints::handle(clock, request.path(), request.body(), moment());
        status = reply.status;
        decision.delivery = HttpDecision::Delivery::Normal;
        decision.reply = httpReply(status, reply.body);
        if (request.path() == "/D0" && faults.dropOnNetworkWrite) {
            decision.delivery = HttpDecision::Delivery::Drop;
            status = 0;
        } else if (faulty && faults.endless) {
            decision.delivery = HttpDecision::Delivery::Endless;
            decision.reply = QByteArrayLiteral("HTTP/1.1 200 OK\r\n\r\n");
        }
        if (faulty && faults.hasRawReply && decision.delivery == HttpDecision::Delivery::Normal)
            decision.reply = faults.rawReply;
        else if (faulty && faults.hasReplyBody && decision.delivery == HttpDecision::Delivery::Normal)
            decision.reply = httpReply(status, faults.replyBody);
        if (reply.moves)
            moveClock(index, reply.newAddress);
    }
    if (decision.delivery == HttpDecision::Delivery::Normal && faulty) {
        decision.delayMs = faults.drawDelayMs();
        if (faults.trickleGapMs > 0) {
            decision.trickleGapMs = faults.trickleGapMs;
            decision.tricklePieces = faults.tricklePieces;
        }
    }
    entry.insert(QStringLiteral("status"), status);
    static const char* const kDeliveryNames[] = {"close", "normal", "silent", "drop", "endless"};
    QString delivery = QLatin1String(kDeliveryNames[static_cast<int>(decision.delivery)]);
    if (decision.trickleGapMs > 0)
        delivery = QStringLiteral("trickle");
    entry.insert(QStringLiteral("delivery"), delivery);
    m_log.append(entry);
    return decision;
}

HttpDecision Simulator::handleBadRequest(const QHostAddress& local, const QHostAddress& peer, quint16 peerPort,
                                         HttpRequestParser::State state)
{
    HttpDecision decision;
    const int status = state == HttpRequestParser::State::TooLarge ? kPayloadTooLarge : kBadRequest;
    QJsonObject entry = httpLogEntry(clockAt(local), local, peer, peerPort);
    entry.insert(QStringLiteral("status"), status);
    entry.insert(QStringLiteral("delivery"), QStringLiteral("normal"));
    entry.insert(QStringLiteral("error"), status == kPayloadTooLarge ? QStringLiteral("request too large")
                                                                     : QStringLiteral("malformed request"));
    m_log.append(entry);
    decision.delivery = HttpDecision::Delivery::Normal;
    decision.reply = httpReply(status, QByteArray());
    return decision;
}

QByteArray Simulator::httpReply(int status, const QByteArray& body)
{
    // The clock spells the length header in capitals, and its parsers rely on that.
    QByteArray reply = QStringLiteral("HTTP/1.1 %1 %2\r\n").arg(status).arg(reasonPhrase(status)).toLatin1();
    if (status == kUnauthorized)
        reply += QByteArrayLiteral("WWW-Authenticate: Basic realm=\"clock\"\r\n");
    reply += QByteArrayLiteral("CONTENT-LENGTH: ") + QByteArray::number(body.size()) + QByteArrayLiteral("\r\n\r\n");
    return reply + body;
}

void Simulator::moveClock(int clock, const QHostAddress& address)
{
    const int delay = m_clocks.at(clock).faults.moveDelayMs;
    if (delay <= 0) {
        m_clocks[clock].ip = address;
        m_addressesChanged = true;
        emit addressesChanged();
        return;
    }
    // Restarting its network: gone from the old address, not yet at the new one.
    m_moving[clock] = true;
    emit addressesChanged();
    const quint64 generation = m_generation;
    QTimer::singleShot(delay, this, [this, clock, address, generation] {
        if (generation != m_generation)
            return;
        m_clocks[clock].ip = address;
        m_addressesChanged = true;
        m_moving[clock] = false;
        emit addressesChanged();
    });
}

QList<int> Simulator::discoveryAnswerers(const QHostAddress& destination) const
{
    QList<int> held;
    QList<int> all;
    for (int i = 0; i < m_clocks.size(); ++i) {
        if (m_moving.at(i) || m_clocks.at(i).faults.noDiscovery)
            continue;
        all.append(i);
        if (m_clocks.at(i).ip.isEqual(destination, QHostAddress::TolerantConversion))
            held.append(i);
    }
    if (!held.isEmpty())
        return held;
    // A query to one address that no clock holds gets no answer; a broadcast,
    // limited or directed, reaches every clock.
    const QHostAddress v4(destination.toIPv4Address());
    const bool broadcast = destination.isNull() || v4 == QHostAddress(QHostAddress::Broadcast)
                           || (v4.toIPv4Address() & kLastOctetMask) == kDirectedBroadcastOctet;
    return broadcast ? all : QList<int>();
}

QByteArray Simulator::discoveryReply(int index) const
{
    const SimClock& clock = m_clocks.at(index);
    if (!clock.faults.discoveryReply.isEmpty())
        return clock.faults.discoveryReply;
    QByteArray datagram;
    appendItem(datagram, kTagMarker, kMarker);
    appendItem(datagram, kTagModel, clock.productCode.toLatin1());
    appendItem(datagram, kTagMac, clock.mac);
    QByteArray port;
    port.append(static_cast<char>(clock.port >> 8)).append(static_cast<char>(clock.port & 0xFF));
    appendItem(datagram, kTagPort, port);
    QByteArray firmware;
    firmware.append(static_cast<char>(clock.firmware / kFirmwareScale))
        .append(static_cast<char>(clock.firmware % kFirmwareScale));
    appendItem(datagram, kTagFirmware, firmware);
    appendItem(datagram, kTagDeviceCode, clock.deviceCode.toLatin1());
    return datagram;
}

void Simulator::logConnection(const QHostAddress& local, const QHostAddress& peer, quint16 peerPort,
                              const QDateTime& opened)
{
    QJsonObject entry;
    const QString closed = QDateTime::currentDateTime().toString(Qt::ISODateWithMs);
    entry.insert(QStringLiteral("time"), closed);
    entry.insert(QStringLiteral("kind"), QStringLiteral("connection"));
    entry.insert(QStringLiteral("local"), QHostAddress(local.toIPv4Address()).toString());
    entry.insert(QStringLiteral("peer"),
                 QStringLiteral("%1:%2").arg(QHostAddress(peer.toIPv4Address()).toString()).arg(peerPort));
    entry.insert(QStringLiteral("opened"), opened.toString(Qt::ISODateWithMs));
    entry.insert(QStringLiteral("closed"), closed);
    m_log.append(entry);
}

void Simulator::logDiscovery(const QHostAddress& destination, const QHostAddress& peer, quint16 peerPort,
                             const QByteArray& data, const QList<int>& answered)
{
    QJsonObject entry;
    entry.insert(QStringLiteral("time"), QDateTime::currentDateTime().toString(Qt::ISODateWithMs));
    entry.insert(QStringLiteral("kind"), QStringLiteral("discovery"));
    entry.insert(QStringLiteral("local"), QHostAddress(destination.toIPv4Address()).toString());
    entry.insert(QStringLiteral("peer"),
                 QStringLiteral("%1:%2").arg(QHostAddress(peer.toIPv4Address()).toString()).arg(peerPort));
    entry.insert(QStringLiteral("body"), QString::fromLatin1(data.toBase64()));
    QJsonArray clocks;
    for (int index : answered)
        clocks.append(index);
    entry.insert(QStringLiteral("answered"), clocks);
    m_log.append(entry);
}

SimMoment Simulator::moment() const
{
    SimMoment moment;
    if (m_fixedTime.isValid()) {
        moment.now = m_fixedTime;
        moment.elapsedMs = 0;
    } else {
        moment.now = QDateTime::currentDateTime();
        moment.elapsedMs = m_uptime.elapsed();
    }
    return moment;
}

void Simulator::setFixedTime(const QDateTime& time)
{
    m_fixedTime = time;
}

void Simulator::reset()
{
    ++m_generation;
    m_clocks = m_initial;
    m_addressesChanged = true;
    m_moving.fill(false, m_clocks.size());
    m_rank.fill(0, m_clocks.size());
    m_lastRank = 0;
    emit addressesChanged();
}

bool Simulator::setFaults(int clock, const QJsonObject& faults, QString* error)
{
    if (clock < 0 || clock >= m_clocks.size()) {
        *error = QStringLiteral("no clock %1 (there are %2)").arg(clock).arg(m_clocks.size());
        return false;
    }
    if (!ClockFaults::fromJson(faults, &m_clocks[clock].faults, error))
        return false;
    emit addressesChanged();
    return true;
}

bool Simulator::setStatus(int clock, const QJsonObject& status, QString* error)
{
    if (clock < 0 || clock >= m_clocks.size()) {
        *error = QStringLiteral("no clock %1 (there are %2)").arg(clock).arg(m_clocks.size());
        return false;
    }
    SimStatus changed = m_clocks.at(clock).status;
    if (!ClockFileLoader::readStatus(status, &changed, error))
        return false;
    m_clocks[clock].status = changed;
    return true;
}

bool Simulator::moveTo(int clock, const QString& address, QString* error)
{
    if (clock < 0 || clock >= m_clocks.size()) {
        *error = QStringLiteral("no clock %1 (there are %2)").arg(clock).arg(m_clocks.size());
        return false;
    }
    const QHostAddress target(address);
    if (target.protocol() != QAbstractSocket::IPv4Protocol) {
        *error = QStringLiteral("\"%1\" is not an IPv4 address").arg(address);
        return false;
    }
    m_clocks[clock].ip = target;
    m_addressesChanged = true;
    emit addressesChanged();
    return true;
}

QJsonObject Simulator::state() const
{
    QJsonArray clocks;
    for (int i = 0; i < m_clocks.size(); ++i) {
        QJsonObject clock = m_clocks.at(i).toJson();
        clock.insert(QStringLiteral("index"), i);
        clock.insert(QStringLiteral("moving"), m_moving.at(i));
        clocks.append(clock);
    }
    QJsonObject object;
    object.insert(QStringLiteral("clocks"), clocks);
    object.insert(QStringLiteral("now"), moment().now.toString(Qt::ISODate));
    object.insert(QStringLiteral("fixedTime"), m_fixedTime.isValid());
    return object;
}
