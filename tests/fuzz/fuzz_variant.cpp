// Variant conversions: the input builds a value (arrays nest) and converts it every way.
// Failures must be com::Error; a number's text must read back as the same number, and a
// value that fits an Integer must give the same Long and Single.

#include "platform/com/variant.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

using com::Variant;

namespace {

[[noreturn]] void finding(const char* what, const Variant& value) {
    std::fprintf(stderr, "%s: %s\n", what, qPrintable(value.describe()));
    std::abort();
}

Variant build(FuzzedDataProvider& in, int depth) {
    switch (in.ConsumeIntegralInRange(0, depth < 3 ? 6 : 5)) {
    case 0:
        return Variant();
    case 1:
        return Variant::fromInteger(in.ConsumeIntegral<std::int16_t>());
    case 2:
        return Variant::fromBoolean(in.ConsumeIntegral<std::int16_t>());
    case 3:
        return Variant::fromLong(in.ConsumeIntegral<std::int32_t>());
    case 4:
        return Variant::fromSingle(in.ConsumeFloatingPoint<float>());
    case 5:
        return Variant::fromString(QString::fromUtf8(in.ConsumeRandomLengthString(32)));
    default: {
        std::vector<Variant> elements(in.ConsumeIntegralInRange(0, 4));
        for (Variant& e : elements) {
            e = build(in, depth + 1);
        }
        return Variant::fromArray(std::move(elements));
    }
    }
}

template <typename Convert>
auto attempt(const Variant& value, Convert&& convert) -> std::optional<decltype(convert())> {
    try {
        return convert();
    } catch (const com::Error&) {
        return std::nullopt;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "not a com::Error: %s\n", e.what());
        finding("a conversion threw", value);
    }
}

void convertEveryWay(const Variant& value) {
    const auto integer = attempt(value, [&] { return value.toInteger("value"); });
    const auto longValue = attempt(value, [&] { return value.toLong("value"); });
    const auto single = attempt(value, [&] { return value.toSingle("value"); });
    const auto text = attempt(value, [&] { return value.toString("value"); });
    value.describe();
    if (integer && (!longValue || *longValue != *integer)) {
        finding("an Integer that is no Long of the same value", value);
    }
    // An Integer is its value rounded to the nearest whole number (half to even), so it
    // lies within a half of the Single; the slack covers the Single's own rounding of a
    // text like "2.50001" (at most 0.002 within the Integer range).
    if (integer && (!single || std::fabs(double(*single) - *integer) > 0.5 + 0.01)) {
        finding("an Integer further than a half from the Single", value);
    }
    // A number's text reads back as the same number.
    if (text && value.type() != Variant::Type::String && value.type() != Variant::Type::Empty) {
        const Variant again = Variant::fromString(*text);
        if (value.type() == Variant::Type::Single) {
            const auto back = attempt(again, [&] { return again.toSingle("value"); });
            if (single && std::isfinite(*single) && (!back || *back != *single)) {
                finding("a Single's text reads back differently", value);
            }
        } else {
            const auto back = attempt(again, [&] { return again.toLong("value"); });
            if (!back || *back != *longValue) {
                finding("a number's text reads back differently", value);
            }
        }
    }
    if (value.isArray()) {
        for (const Variant& e : value.elements("value")) {
            convertEveryWay(e);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const Variant value = build(in, 0);
    const Variant copy = value;
    if (!(copy == value) && value.type() != Variant::Type::Single && !value.isArray()) {
        finding("a copy differs from its value", value);
    }
    convertEveryWay(value);
    return 0;
}
