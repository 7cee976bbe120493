#pragma once

#include <stdexcept>
#include <string>

namespace dorvik {

// A failed engine call. The message names the method and the offending value or file,
// e.g. "DealCard: card number 151 is outside 1 to 150".
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace dorvik
