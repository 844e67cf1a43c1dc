#pragma once

#include <QByteArray>

// The listener's one content coding.
namespace HttpGzip {

// Whether an Accept-Encoding value takes gzip: named (or "*") without q=0.
bool accepted(const QByteArray &acceptEncoding);

// zlib's fastest level: repeated labels compress nearly as well with it,
// and a large fleet's page takes a fraction of the default's time.
inline constexpr int fastestLevel = 1;

// Smaller answers are not worth compressing. A scrape of a large fleet is
// hundreds of kilobytes of repetitive text that gzip brings down to a tenth,
// and Prometheus always asks for it.
inline constexpr int worthFromBytes = 1024;

// The body in a gzip wrapper; empty when it could not be compressed, and is
// then sent as it is.
QByteArray compressed(const QByteArray &body, int level = fastestLevel);

} // namespace HttpGzip
