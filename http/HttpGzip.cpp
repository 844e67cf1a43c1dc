#include "http/HttpGzip.h"

#include <QList>

#include <zlib.h>

namespace HttpGzip {

bool accepted(const QByteArray &acceptEncoding)
{
    for (const QByteArray &item : acceptEncoding.split(',')) {
        const QList<QByteArray> parts = item.split(';');
        const QByteArray coding = parts.first().trimmed().toLower();
        if (coding != "gzip" && coding != "*")
            continue;
        bool refused = false;
        for (int i = 1; i < parts.size(); ++i) {
            const QByteArray parameter = parts.at(i).trimmed().toLower();
            if (parameter.startsWith("q=") && parameter.mid(2).toDouble() <= 0)
                refused = true;
        }
        return !refused;
    }
    return false;
}

QByteArray compressed(const QByteArray &body, int level)
{
    z_stream stream{};
    // 15 window bits plus 16: a gzip wrapper rather than zlib's own.
    if (deflateInit2(&stream, level, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return QByteArray();
    QByteArray out(int(deflateBound(&stream, uLong(body.size()))) + 32, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(body.constData()));
    stream.avail_in = uInt(body.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    const int result = deflate(&stream, Z_FINISH);
    const uLong written = stream.total_out;
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        return QByteArray();
    out.truncate(int(written));
    return out;
}

} // namespace HttpGzip
