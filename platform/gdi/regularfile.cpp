#include "platform/gdi/regularfile.h"

#include <QFile>
#include <QFileInfo>

namespace gdi {

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes, QString& fault) {
    const QFileInfo info(path);
    if (!info.exists()) {
        fault = QStringLiteral("file not found");
        return std::nullopt;
    }
    if (info.isDir()) {
        fault = QStringLiteral("is a folder, not a file");
        return std::nullopt;
    }
    if (!info.isFile()) {
        fault = QStringLiteral("is not an ordinary file");
        return std::nullopt;
    }
    const auto tooLarge = [&](qint64 size) {
        fault = QStringLiteral("too large (%1 bytes, at most %2)").arg(size).arg(maxBytes);
        return std::nullopt;
    };
    if (info.size() > maxBytes) {
        return tooLarge(info.size());
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fault = QStringLiteral("cannot be read (%1)").arg(file.errorString());
        return std::nullopt;
    }
    // Read in pieces rather than asking for `maxBytes` at once, which would allocate it all
    // for a file of a few bytes; a file that grows past the limit while read is refused.
    QByteArray bytes;
    bytes.reserve(info.size());
    char piece[65536];
    for (;;) {
        const qint64 got = file.read(piece, sizeof piece);
        if (got < 0) {
            fault = QStringLiteral("cannot be read (%1)").arg(file.errorString());
            return std::nullopt;
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(piece, got);
        if (bytes.size() > maxBytes) {
            return tooLarge(bytes.size());
        }
    }
}

} // namespace gdi
