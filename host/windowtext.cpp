#include "host/windowtext.h"

namespace halvane {

QString WindowText::cut(const QString& text) {
    if (text.size() <= Longest)
        return text;
    qsizetype keep = Longest - 1;
    if (text.at(keep - 1).isHighSurrogate())
        --keep; // never half a character
    return text.left(keep) + QChar(0x2026);
}

} // namespace halvane
