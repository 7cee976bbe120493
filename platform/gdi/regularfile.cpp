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
    // One byte more than allowed tells a file that grew since it was measured.
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        fault = QStringLiteral("cannot be read (%1)").arg(file.errorString());
        return std::nullopt;
    }
    if (bytes.size() > maxBytes) {
        return tooLarge(bytes.size());
    }
    return bytes;
}

} // namespace gdi
