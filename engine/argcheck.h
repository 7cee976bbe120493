#pragma once
// Argument checks shared by the engine's methods. Each throws dorvik::Error whose
// message starts with the method's name, so the caller learns what failed and where.

#include <QString>

#include <cstdint>

namespace dorvik {

class ArgCheck {
public:
    // Throws "<method>: <detail>".
    [[noreturn]] static void fail(const char* method, const QString& detail);

    // `n` itself when it is a card number 1 to 150.
    static std::int16_t card(int n, const char* method);

    // `value` narrowed to 16 bits; throws naming `what` rather than wrapping around.
    static std::int16_t to16(long long value, const char* method, const char* what);
};

} // namespace dorvik
