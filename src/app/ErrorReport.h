// The one error report a user ever sees: the standard message box.
#pragma once
#include <string>

namespace dorvane {

// The box's text: the message, with a full stop appended when its last
// character sorts after ".".
std::string ErrorBoxText(const std::string& message);

}  // namespace dorvane
