#pragma once
// Reads a small file whole, for every reader of the program's own files (pictures, the
// settings file, description files). Only an ordinary file is opened: a FIFO would hold
// the reader until some writer came, and a device such as /dev/zero never ends, so their
// kind is checked before any open. Symbolic links are followed.

#include <QByteArray>
#include <QString>

#include <optional>

namespace gdi {

// The bytes of the file at `path` when it is an ordinary file of at most `maxBytes`
// bytes; otherwise nullopt with `fault` saying why, phrased to follow "<path>: ":
// "file not found", "is a folder, not a file", "is not an ordinary file",
// "too large (N bytes, at most M)" or "cannot be read (<system reason>)".
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes, QString& fault);

} // namespace gdi
