#include "convert/module_path.h"

#include <filesystem>
#include <system_error>

namespace orvane {

std::string GetModuleFileName() {
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

} // namespace orvane
