// The settings file: whatever a read accepts, a write and a second read give back as it
// was; a value the writer cannot store (it says so) ends the round trip early.

#include "host/settingsfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace halvane;

namespace {

void write(const QString& path, const std::uint8_t* data, std::size_t size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size)) {
        std::fprintf(stderr, "cannot write the input file %s\n", qPrintable(path));
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("input.ini"));
    const QString output = dir.filePath(QStringLiteral("output.ini"));
    write(input, data, size);

    HostSettings first;
    std::int16_t firstBack = 0;
    try {
        LoadSettings(input, first, firstBack);
    } catch (const SettingsError&) {
        return 0;
    }
    try {
        SaveSettings(output, first, firstBack);
    } catch (const SettingsError&) {
        return 0;
    }
    HostSettings second;
    std::int16_t secondBack = 0;
    try {
        LoadSettings(output, second, secondBack);
    } catch (const SettingsError& e) {
        std::fprintf(stderr, "a written settings file is refused: %s\n", e.what());
        std::abort();
    }
    if (!(second == first) || secondBack != firstBack) {
        std::fprintf(stderr, "the settings changed in a write and read\n");
        std::abort();
    }
    return 0;
}
