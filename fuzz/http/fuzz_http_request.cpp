// A request head to the listener, whatever bytes arrive and however they are
// cut: never a crash, never more than the head limit kept, and the pieces give
// the same verdict as the whole; the board's language choice and the host
// check from what the head holds never fail either, and an origin is
// answered exactly when its host would be.
#include "board/BoardLanguage.h"
#include "http/ListenerHosts.h"
#include "http/HttpRequestParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte chooses the piece size, as a socket would cut the stream.
    const size_t pieceSize = data[0] % 64 + 1;
    const char *bytes = reinterpret_cast<const char *>(data + 1);
    const size_t length = size - 1;

    HttpRequestParser whole;
    whole.feed(bytes, qsizetype(length));
    HttpRequestParser pieces;
    for (size_t at = 0; at < length; at += pieceSize)
        pieces.feed(bytes + at, qsizetype(length - at < pieceSize ? length - at : pieceSize));

    if (whole.state() != pieces.state() || whole.path() != pieces.path() || whole.method() != pieces.method()
        || whole.query() != pieces.query() || whole.header("Accept-Language") != pieces.header("accept-language"))
        std::abort();
    const int language = int(BoardLanguage::choose(whole.query(), whole.header("Accept-Language")));
    if (language < 0 || language >= LanguageManager::languageCount)
        std::abort();
    if (whole.room() < 0)
        std::abort();
    static ListenerHosts hosts = [] {
        ListenerHosts made;
        made.setNames({QStringLiteral("board.site.example")});
        return made;
    }();
    const QByteArray host = whole.header("Host");
    const bool hostAllowed = hosts.allowsHost(host, QHostAddress(QHostAddress::LocalHost));
    hosts.allowsOrigin(whole.header("Origin"), QHostAddress(QHostAddress::LocalHost));
    if (!host.contains('/') && !host.isEmpty()
        && hosts.allowsOrigin("http://" + host, QHostAddress(QHostAddress::LocalHost)) != hostAllowed)
        std::abort();
    if (whole.state() == HttpRequestParser::State::Complete && !whole.path().startsWith('/'))
        std::abort();
    return 0;
}
