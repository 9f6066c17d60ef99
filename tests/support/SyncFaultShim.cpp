// Loaded with LD_PRELOAD (with NoLockShim, as the fault shim), makes the
// program's syncs (fsync, fdatasync, syncfs) answer as a slow or failing disk does:
//   LUMIDEX_SYNC_DELAY_MS  every fsync and fdatasync first waits that long (a
//                          network share whose syncs take milliseconds);
//   LUMIDEX_SYNC_ANSWER    EIO, ENOSPC or EDQUOT: the sync is refused with that
//                          answer, as a share that learns of a full disk only at
//                          the sync does, and nothing is synced;
//   LUMIDEX_SYNC_FOLDER    where set, only files under that folder are refused.
// Unset or empty, every sync goes through to the system at once. The settings
// are read at every call, so a test may change them as it goes.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <time.h>
#include <unistd.h>

namespace {

int refusal()
{
    const char* name = std::getenv("LUMIDEX_SYNC_ANSWER");
    if (!name || !*name)
        return 0;
    static const struct {
        const char* name;
        int error;
    } answers[] = { { "EIO", EIO }, { "ENOSPC", ENOSPC }, { "EDQUOT", EDQUOT } };
    for (const auto& answer : answers)
        if (std::strcmp(name, answer.name) == 0)
            return answer.error;
    return 0;
}

bool underRefusedFolder(int fd)
{
    const char* folder = std::getenv("LUMIDEX_SYNC_FOLDER");
    if (!folder || !*folder)
        return true;
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[PATH_MAX];
    const ssize_t length = ::readlink(link, target, sizeof target - 1);
    if (length < 0)
        return false;
    target[length] = '\0';
    const std::size_t prefix = std::strlen(folder);
    return std::strncmp(target, folder, prefix) == 0 && (target[prefix] == '/' || target[prefix] == '\0');
}

void waitAsASlowDisk()
{
    const char* delay = std::getenv("LUMIDEX_SYNC_DELAY_MS");
    if (!delay || !*delay)
        return;
    const long milliseconds = std::strtol(delay, nullptr, 10);
    if (milliseconds <= 0)
        return;
    struct timespec pause {
        milliseconds / 1000, (milliseconds % 1000) * 1000000
    };
    while (::nanosleep(&pause, &pause) != 0 && errno == EINTR) { }
}

using Sync = int (*)(int);

int answerSync(const char* symbol, int fd)
{
    const int saved = errno;
    waitAsASlowDisk();
    const int answer = refusal();
    if (answer != 0 && underRefusedFolder(fd)) {
        errno = answer;
        return -1;
    }
    errno = saved;
    const Sync real = reinterpret_cast<Sync>(dlsym(RTLD_NEXT, symbol));
    return real(fd);
}

} // namespace

extern "C" {

// Tells a test that the shim is in place.
__attribute__((visibility("default"))) int lumidex_sync_shim_loaded()
{
    return 1;
}

__attribute__((visibility("default"))) int fsync(int fd)
{
    return answerSync("fsync", fd);
}

__attribute__((visibility("default"))) int fdatasync(int fd)
{
    return answerSync("fdatasync", fd);
}

// The sync of a whole file system, through any file or folder of it (a restore
// syncs what it unpacked in one call).
__attribute__((visibility("default"))) int syncfs(int fd)
{
    return answerSync("syncfs", fd);
}
}
