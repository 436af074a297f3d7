#pragma once
// The private scratch folder (the tool's "C:\Temp") and the empty command file kept in it.

#include <string>

namespace q7 {

inline constexpr const char* kNullCommandFile = "nullCMD.txt";

// The user's private scratch folder: $XDG_RUNTIME_DIR/q7-config-tool where the runtime folder exists
// (private to the user, cleared at log-out), else q7-config-tool/Temp in the cache folder
// ($XDG_CACHE_HOME when it is an absolute path, else ~/.cache).
std::string defaultScratchDir();

// Creates `dir` (parents as needed, the folder itself with mode 0700) and an empty "nullCMD.txt"
// in it, emptying an existing one. Refuses a folder that is a symbolic link or belongs to another
// user, so nobody else can plant files the tool later puts to players. Returns false with a reason.
bool prepareScratch(const std::string& dir, std::string* error = nullptr);

}  // namespace q7
