#pragma once
// A failure whose message is written for the user: it says in plain words what is wrong
// and where (the file, the line) and what would be right. The settings file, the table
// folder and the description files fail this way. Any other failure (an engine call, a
// plug-in) carries a technical message, which users see only as the details.

#include <stdexcept>

namespace halvane {

class UserError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace halvane
