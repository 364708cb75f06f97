#include "ReadDirFault.h"

#include <cerrno>
#include <dirent.h>
#include <dlfcn.h>

namespace {

// -1: disarmed; otherwise the reads left before the failure.
int g_readsBeforeFailure = -1;

} // namespace

namespace qb::test {

void failFolderReadAfter(int successfulReads) {
    g_readsBeforeFailure = successfulReads;
}

bool folderReadFailurePending() {
    return g_readsBeforeFailure >= 0;
}

} // namespace qb::test

// Stands in front of the C library's readdir for the whole test program (the standard library's
// folder iteration calls it); every call goes through unchanged unless a failure is armed.
extern "C" dirent* readdir(DIR* folder) {
    using ReadDir = dirent* (*)(DIR*);
    static const auto next = reinterpret_cast<ReadDir>(::dlsym(RTLD_NEXT, "readdir"));
    if (g_readsBeforeFailure == 0) {
        g_readsBeforeFailure = -1;
        errno = EIO;
        return nullptr;
    }
    if (g_readsBeforeFailure > 0) {
        --g_readsBeforeFailure;
    }
    return next(folder);
}
