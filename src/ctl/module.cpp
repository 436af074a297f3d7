#include "ctl/module.h"

#include "core/base/programfolder.h"

#include <dlfcn.h>
#include <filesystem>

namespace q7::ctl {

void* moduleFunction(const char* name, const char* function, std::string& problem)
{
    const std::filesystem::path program = programFolder();
    problem.clear();
    for (const std::filesystem::path& dir : {program, program / Q7_MODULE_DIR}) {
        const std::string path = (dir / name).lexically_normal().string();
        void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            if (problem.empty())
                problem = ::dlerror();
            continue;
        }
        if (void* found = ::dlsym(module, function))
            return found;
        problem = ::dlerror();
    }
    return nullptr;
}

}  // namespace q7::ctl
