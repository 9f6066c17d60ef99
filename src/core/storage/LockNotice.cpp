#include "storage/LockNotice.h"

namespace lumidex {

LockNotice& LockNotice::instance()
{
    static LockNotice notice;
    return notice;
}

} // namespace lumidex
