#pragma once
// q7ctl's modules (the drawing of draw/drawmodule.h, the catalog lookup of
// translate/translatemodule.h): libraries loaded only by the subcommands or languages that need
// them, so that every other run starts without Qt.

#include <string>

namespace q7::ctl {

// The entry point `function` of the module `name`, looked for beside the program (the build tree),
// then where it is installed, relative to the program, so that an installation works wherever its
// prefix is. Null when neither holds it, with `problem` saying why.
void* moduleFunction(const char* name, const char* function, std::string& problem);

}  // namespace q7::ctl
