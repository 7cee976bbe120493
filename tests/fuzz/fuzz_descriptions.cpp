// Deck (.ini) and game (.gme) description files: every input is read or refused with a
// DescriptionError, and what is read is the first line split at its first "=".

#include "host/dialogs/descriptionfile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace halvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    DescriptionFile file;
    try {
        file = DescriptionFile::parse(bytes, QStringLiteral("fuzz.ini"),
                                      QStringLiteral("name=deck picture file"));
    } catch (const DescriptionError&) {
        return 0;
    }
    const QString entry = file.name + QLatin1Char('=') + file.value;
    if (file.name.contains(QLatin1Char('=')) || !QString::fromLatin1(bytes).startsWith(entry)) {
        std::fprintf(stderr, "the entry line was split wrongly\n");
        std::abort();
    }
    return 0;
}
