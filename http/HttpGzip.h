#pragma once

#include <QByteArray>

// The listener's one content coding.
namespace HttpGzip {

// Whether an Accept-Encoding value takes gzip: named (or "*") without q=0.
bool accepted(const QByteArray &acceptEncoding);

// The body in a gzip wrapper; empty when it could not be compressed, and is
// then sent as it is.
QByteArray compressed(const QByteArray &body);

} // namespace HttpGzip
