#include "platform/com/variant.h"

#include "platform/com/rounding.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace com {

namespace {

// Makes the type known by name to Qt's meta-type system as soon as the library loads.
[[maybe_unused]] const int g_variantTypeId = qRegisterMetaType<com::Variant>("com::Variant");

QString typeName(Variant::Type type) {
    switch (type) {
    case Variant::Type::Empty:
        return QStringLiteral("Empty");
    case Variant::Type::Integer:
        return QStringLiteral("Integer");
    case Variant::Type::Boolean:
        return QStringLiteral("Boolean");
    case Variant::Type::Long:
        return QStringLiteral("Long");
    case Variant::Type::Single:
        return QStringLiteral("Single");
    case Variant::Type::String:
        return QStringLiteral("String");
    case Variant::Type::Array:
        return QStringLiteral("Array");
    }
    return QStringLiteral("?");
}

[[noreturn]] void fail(const char* what, const QString& reason) {
    // An empty `what` lets a caller put its own context in front of the reason.
    if (what == nullptr || *what == '\0')
        throw Error(reason.toStdString());
    throw Error(QStringLiteral("%1: %2").arg(QString::fromUtf8(what), reason).toStdString());
}

QString singleText(float value) {
    // Shortest text that reads back as the same float.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, int(result.ptr - buffer));
}

// A string converts when it holds one decimal number, blanks around it allowed.
double parseNumber(const QString& text, const char* what) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        fail(what, QStringLiteral("string \"%1\" is not a number").arg(text));
    return value;
}

template <typename Int> Int toIntegral(double value, const char* what, const char* typeLabel) {
    if (std::isnan(value))
        fail(what, QStringLiteral("NaN cannot be converted to %1").arg(QLatin1String(typeLabel)));
    const double rounded = RoundHalfEven(value);
    constexpr double low = double(std::numeric_limits<Int>::min());
    constexpr double high = double(std::numeric_limits<Int>::max());
    if (!(rounded >= low && rounded <= high))
        fail(what, QStringLiteral("%1 is outside the %2 range %3 to %4")
                       .arg(QString::number(value, 'g', 17), QLatin1String(typeLabel),
                            QString::number(qint64(low)), QString::number(qint64(high))));
    return Int(rounded);
}

} // namespace

Variant Variant::fromInteger(std::int16_t value) {
    Variant v;
    v.m_type = Type::Integer;
    v.m_int = value;
    return v;
}

Variant Variant::fromBoolean(Boolean value) {
    Variant v;
    v.m_type = Type::Boolean;
    v.m_int = value;
    return v;
}

Variant Variant::fromLong(std::int32_t value) {
    Variant v;
    v.m_type = Type::Long;
    v.m_int = value;
    return v;
}

Variant Variant::fromSingle(float value) {
    Variant v;
    v.m_type = Type::Single;
    v.m_single = value;
    return v;
}

Variant Variant::fromString(const QString& value) {
    Variant v;
    v.m_type = Type::String;
    v.m_string = value;
    return v;
}

Variant Variant::fromArray(std::vector<Variant> elements) {
    Variant v;
    v.m_type = Type::Array;
    v.m_elements = std::move(elements);
    return v;
}

std::int16_t Variant::toInteger(const char* what) const {
    switch (m_type) {
    case Type::Empty:
        return 0;
    case Type::Integer:
    case Type::Boolean:
    case Type::Long:
    case Type::Single:
    case Type::String:
        return toIntegral<std::int16_t>(numeric(what), what, "Integer");
    case Type::Array:
        break;
    }
    fail(what, QStringLiteral("an Array cannot be converted to Integer"));
}

std::int32_t Variant::toLong(const char* what) const {
    switch (m_type) {
    case Type::Empty:
        return 0;
    case Type::Integer:
    case Type::Boolean:
    case Type::Long:
        return m_int;
    case Type::Single:
    case Type::String:
        return toIntegral<std::int32_t>(numeric(what), what, "Long");
    case Type::Array:
        break;
    }
    fail(what, QStringLiteral("an Array cannot be converted to Long"));
}

float Variant::toSingle(const char* what) const {
    switch (m_type) {
    case Type::Empty:
        return 0.0f;
    case Type::Integer:
    case Type::Boolean:
    case Type::Long:
        return float(m_int);
    case Type::Single:
        return m_single;
    case Type::String: {
        const double value = parseNumber(m_string, what);
        // Numbers up to half a step beyond the largest Single round to it, as the text of
        // that largest Single does ("3.4028235e+38").
        constexpr double kBeyondSingle = double(std::numeric_limits<float>::max()) + 0x1p103;
        if (std::fabs(value) >= kBeyondSingle)
            fail(what, QStringLiteral("string \"%1\" is outside the Single range").arg(m_string));
        return float(value);
    }
    case Type::Array:
        break;
    }
    fail(what, QStringLiteral("an Array cannot be converted to Single"));
}

QString Variant::toString(const char* what) const {
    switch (m_type) {
    case Type::Empty:
        return QString();
    case Type::Integer:
    case Type::Boolean:
    case Type::Long:
        return QString::number(m_int);
    case Type::Single:
        return singleText(m_single);
    case Type::String:
        return m_string;
    case Type::Array:
        break;
    }
    fail(what, QStringLiteral("an Array cannot be converted to String"));
}

const std::vector<Variant>& Variant::elements(const char* what) const {
    if (m_type != Type::Array)
        fail(what, QStringLiteral("%1 is not an Array").arg(describe()));
    return m_elements;
}

bool Variant::operator==(const Variant& other) const {
    if (m_type != other.m_type)
        return false;
    switch (m_type) {
    case Type::Empty:
        return true;
    case Type::Integer:
    case Type::Boolean:
    case Type::Long:
        return m_int == other.m_int;
    case Type::Single:
        // Exact: a NaN equals a NaN, so a result can be compared with what was passed.
        return m_single == other.m_single || (std::isnan(m_single) && std::isnan(other.m_single));
    case Type::String:
        return m_string == other.m_string;
    case Type::Array:
        return m_elements == other.m_elements;
    }
    return false;
}

QString Variant::describe() const {
    switch (m_type) {
    case Type::Empty:
        return typeName(m_type);
    case Type::Integer:
    case Type::Boolean:
    case Type::Long:
        return typeName(m_type) + QLatin1Char(' ') + QString::number(m_int);
    case Type::Single:
        return typeName(m_type) + QLatin1Char(' ') + singleText(m_single);
    case Type::String:
        return QStringLiteral("String \"%1\"").arg(m_string);
    case Type::Array:
        return QStringLiteral("Array of %1").arg(m_elements.size());
    }
    return typeName(m_type);
}

double Variant::numeric(const char* what) const {
    switch (m_type) {
    case Type::Integer:
    case Type::Boolean:
    case Type::Long:
        return double(m_int);
    case Type::Single:
        return double(m_single);
    case Type::String:
        return parseNumber(m_string, what);
    case Type::Empty:
    case Type::Array:
        break;
    }
    return 0.0;
}

} // namespace com
