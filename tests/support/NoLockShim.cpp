// Loaded with LD_PRELOAD (the fault shim), makes the program's file-lock requests answer as a file
// system that cannot lock does (some network shares), or as a lock held elsewhere.
// LUMIDEX_LOCK_ANSWER names the answer: ENOLCK, EOPNOTSUPP, ENOSYS, EINVAL or
// EAGAIN. Unset or empty, every request goes through to the system.
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>

namespace {

int lockAnswer()
{
    const char* name = std::getenv("LUMIDEX_LOCK_ANSWER");
    if (!name || !*name)
        return 0;
    static const struct {
        const char* name;
        int error;
    } answers[] = { { "ENOLCK", ENOLCK }, { "EOPNOTSUPP", EOPNOTSUPP }, { "ENOSYS", ENOSYS }, { "EINVAL", EINVAL },
        { "EAGAIN", EAGAIN } };
    for (const auto& answer : answers)
        if (std::strcmp(name, answer.name) == 0)
            return answer.error;
    return 0;
}

bool isLockRequest(int command)
{
    return command == F_OFD_SETLK || command == F_OFD_SETLKW || command == F_SETLK || command == F_SETLKW;
}

using Fcntl = int (*)(int, int, ...);

int forward(const char* symbol, int fd, int command, void* argument)
{
    static Fcntl real = reinterpret_cast<Fcntl>(dlsym(RTLD_NEXT, "fcntl"));
    static Fcntl real64 = reinterpret_cast<Fcntl>(dlsym(RTLD_NEXT, "fcntl64"));
    if (isLockRequest(command)) {
        const struct flock* region = static_cast<const struct flock*>(argument);
        const int answer = lockAnswer();
        // Releasing what was never granted is always fine.
        if (answer != 0 && region->l_type != F_UNLCK) {
            errno = answer;
            return -1;
        }
    }
    const Fcntl call = std::strcmp(symbol, "fcntl64") == 0 && real64 ? real64 : real;
    return call(fd, command, argument);
}

} // namespace

extern "C" {

// Tells a test that the shim is in place.
__attribute__((visibility("default"))) int lumidex_no_lock_shim_loaded()
{
    return 1;
}

__attribute__((visibility("default"))) int fcntl(int fd, int command, ...)
{
    va_list arguments;
    va_start(arguments, command);
    void* argument = va_arg(arguments, void*);
    va_end(arguments);
    return forward("fcntl", fd, command, argument);
}

__attribute__((visibility("default"))) int fcntl64(int fd, int command, ...)
{
    va_list arguments;
    va_start(arguments, command);
    void* argument = va_arg(arguments, void*);
    va_end(arguments);
    return forward("fcntl64", fd, command, argument);
}
}
