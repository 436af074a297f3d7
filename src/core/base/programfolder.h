#pragma once
// The folder this program's executable lies in: the build tree, or the installation's bin/, from
// which the files installed with it (modules, catalogs) are found.

#include <filesystem>

namespace q7 {

// Empty when the kernel does not say (no /proc).
std::filesystem::path programFolder();

}  // namespace q7
