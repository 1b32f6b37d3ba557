#pragma once

#include <string>

namespace orvane {

// The full path of the running executable, or an empty string when the system cannot say.
std::string GetModuleFileName();

} // namespace orvane
