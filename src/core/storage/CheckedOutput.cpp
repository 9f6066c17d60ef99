#include "storage/CheckedOutput.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace lumidex {

namespace {

// The part handed to the disk at a time.
constexpr qint64 writeBehindPart = qint64(8) << 20;

} // namespace

CheckedOutput::CheckedOutput(QIODevice& target, int fileHandle)
    : m_target(target)
    , m_handle(fileHandle)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 CheckedOutput::readData(char*, qint64)
{
    return -1;
}

qint64 CheckedOutput::writeData(const char* data, qint64 size)
{
    if (m_failed)
        return -1;
    qint64 done = 0;
    while (done < size) {
        const qint64 written
            = m_handle >= 0 ? writeToHandle(data + done, size - done) : m_target.write(data + done, size - done);
        // A write that takes nothing and says nothing would be asked again for ever.
        if (written <= 0) {
            m_failed = true;
            if (m_handle < 0)
                m_cause = FailureCause::fromSystem(0, m_target.errorString());
            setErrorString(m_cause.detail());
            return -1;
        }
        done += written;
    }
    m_written += size;
    if (m_handle >= 0 && m_written - m_handedOver >= writeBehindPart)
        writeBehind();
    return size;
}

qint64 CheckedOutput::writeToHandle(const char* data, qint64 size)
{
    for (;;) {
        const ssize_t written = ::write(m_handle, data, size_t(size));
        if (written >= 0) {
            if (written == 0)
                m_cause = FailureCause::fromSystem(EIO, qt_error_string(EIO));
            return written;
        }
        if (errno != EINTR) {
            const int error = errno;
            m_cause = FailureCause::fromSystem(error, qt_error_string(error));
            return -1;
        }
    }
}

void CheckedOutput::writeBehind()
{
#ifdef Q_OS_LINUX
    // Only requests: the final sync is what makes the file safe, whatever the
    // system made of these. The new part goes to the disk; the part before it,
    // on its way since the last time, is waited for.
    ::sync_file_range(m_handle, m_handedOver, m_written - m_handedOver, SYNC_FILE_RANGE_WRITE);
    if (m_handedOver > m_onDisk)
        ::sync_file_range(m_handle, m_onDisk, m_handedOver - m_onDisk,
            SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER);
    m_onDisk = m_handedOver;
    m_handedOver = m_written;
#endif
}

} // namespace lumidex
