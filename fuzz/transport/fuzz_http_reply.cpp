// A clock's HTTP reply, whatever bytes arrive: never a crash, and the three
// views of one reply never disagree.
#include "transport/HttpReply.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The worker never hands over more than this.
    if (size > 1024 * 1024 + 1)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));

    const HttpReply reply = parseHttpReply(bytes);
    const Error kind = classifyHttpReply(bytes);
    const bool complete = isHttpReplyComplete(bytes);

    if (!reply.isHttp && kind != NoResponse)
        std::abort();
    if (reply.isHttp && kind == NoResponse)
        std::abort();
    if ((reply.hasContent || !reply.headers.isEmpty()) && reply.status != QLatin1String("200"))
        std::abort();
    if (kind == PageNotFound && !reply.hasContent)
        std::abort();
    if (complete && !reply.isHttp)
        std::abort();
    return 0;
}
