#pragma once
// A tagged value as it crosses between the host, the card engine and the game plug-ins:
// engine results, card lists and late-bound call arguments.

#include <QMetaType>
#include <QString>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace com {

// A Boolean crosses every interface as a 16-bit value: True (-1) or False (0). Other
// values are kept as given; only -1 and 0 have a settled meaning.
using Boolean = std::int16_t;
constexpr Boolean True = -1;
constexpr Boolean False = 0;

// Raised by component services: an unknown class id, a missing operation, a value that
// cannot be converted. The message names what failed.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Variant {
public:
    enum class Type { Empty, Integer, Boolean, Long, Single, String, Array };

    Variant() = default; // Empty

    static Variant fromInteger(std::int16_t value);
    static Variant fromBoolean(Boolean value); // keeps the 16-bit value as given
    static Variant fromLong(std::int32_t value);
    static Variant fromSingle(float value);
    static Variant fromString(const QString& value);
    static Variant fromArray(std::vector<Variant> elements); // indexed from 0

    Type type() const { return m_type; }
    bool isEmpty() const { return m_type == Type::Empty; }
    bool isArray() const { return m_type == Type::Array; }

    // Numeric conversions as a late-bound call makes them: Empty gives 0, Integer,
    // Boolean and Long convert exactly, Single rounds to nearest with halves to even, a
    // string that holds one decimal number (blanks around it allowed, "2.5", "1e3")
    // converts that number the same way. Throws com::Error, naming `what` ("what: ..."; an
    // empty `what` gives the reason alone), for an array, a non-numeric string, NaN or a
    // value outside the target range.
    std::int16_t toInteger(const char* what = "value") const;
    std::int32_t toLong(const char* what = "value") const;
    float toSingle(const char* what = "value") const;
    // Empty gives "", numbers their decimal text (a Boolean its 16-bit value, "-1"; a
    // Single the shortest text that reads back the same); throws for an array.
    QString toString(const char* what = "value") const;

    // The elements of an array; throws com::Error naming `what` for any other type.
    const std::vector<Variant>& elements(const char* what = "value") const;

    // Exact comparison of type and value (tests compare results this way).
    bool operator==(const Variant& other) const;

    // A short description for messages and test output, e.g. "Integer 3".
    QString describe() const;

private:
    // The value as a double for the numeric conversions (Integer to String types only).
    double numeric(const char* what) const;

    Type m_type = Type::Empty;
    std::int32_t m_int = 0; // Integer, Boolean (16-bit value) and Long
    float m_single = 0.0f;
    QString m_string;
    std::vector<Variant> m_elements;
};

} // namespace com

// Registered by name ("com::Variant") when the library loads, so that a plug-in method
// may take or return a com::Variant.
Q_DECLARE_METATYPE(com::Variant)
