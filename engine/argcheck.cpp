#include "engine/argcheck.h"

#include "engine/error.h"

#include <limits>

namespace dorvik {

void ArgCheck::fail(const char* method, const QString& detail) {
    throw Error((QString::fromLatin1(method) + QStringLiteral(": ") + detail).toStdString());
}

std::int16_t ArgCheck::card(int n, const char* method) {
    if (n < 1 || n > 150) {
        fail(method, QStringLiteral("card number %1 is outside 1 to 150").arg(n));
    }
    return std::int16_t(n);
}

std::int16_t ArgCheck::to16(long long value, const char* method, const char* what) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        fail(method, QStringLiteral("%1 %2 is outside the 16-bit range -32768 to 32767")
                         .arg(QString::fromLatin1(what))
                         .arg(value));
    }
    return std::int16_t(value);
}

} // namespace dorvik
