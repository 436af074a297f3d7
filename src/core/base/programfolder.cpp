#include "core/base/programfolder.h"

#include <system_error>

namespace q7 {

std::filesystem::path programFolder()
{
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : program.parent_path();
}

}  // namespace q7
