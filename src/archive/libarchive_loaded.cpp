// SPDX-License-Identifier: GPL-3.0-or-later
// libarchive loaded when the first archive is read (POSIX builds of
// maprune-cli): a command that reads no archive does not wait for the
// library and the ones it needs to be loaded.
#include <dlfcn.h>

#include <string>

#include "archive/libarchive_api.h"
#include "core/error.h"

namespace maprune {

namespace {

struct Loaded {
    LibArchiveApi Api;
    std::string Failure; // empty when loaded
};

Loaded Load()
{
    Loaded loaded;
    // Never unloaded: the functions stay valid for the program's lifetime.
    void* library = dlopen(MAPRUNE_LIBARCHIVE_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* reason = dlerror();
        loaded.Failure = std::string(MAPRUNE_LIBARCHIVE_SONAME) + " fehlt"
            + (reason != nullptr ? std::string(": ") + reason : std::string());
        return loaded;
    }
#define MAPRUNE_API_SYMBOL(name)                                                                   \
    loaded.Api.name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name));                  \
    if (loaded.Api.name == nullptr && loaded.Failure.empty())                                      \
        loaded.Failure = std::string(MAPRUNE_LIBARCHIVE_SONAME) + " ohne " #name;
    MAPRUNE_LIBARCHIVE_FUNCTIONS(MAPRUNE_API_SYMBOL)
#undef MAPRUNE_API_SYMBOL
    return loaded;
}

} // namespace

const LibArchiveApi& LibArchive()
{
    static const Loaded loaded = Load();
    if (!loaded.Failure.empty())
        throw Error(loaded.Failure);
    return loaded.Api;
}

} // namespace maprune
