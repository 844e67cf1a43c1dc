#include "notify/SmtpReplyBuffer.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// A server's bytes arrive in pieces of any size; the first byte sets the
// piece length.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const size_t piece = size_t(data[0] % 16) + 1;
    SmtpReplyBuffer buffer;
    QString reply;
    int code = 0;
    for (size_t offset = 1; offset < size; offset += piece) {
        const size_t length = offset + piece > size ? size - offset : piece;
        buffer.append(QByteArray(reinterpret_cast<const char *>(data + offset), int(length)));
        while (buffer.takeReply(reply, code)) {
            if (code < -1 || code > 999)
                __builtin_trap();
        }
    }
    return 0;
}
