#include "storage/CheckedOutput.h"

#ifdef Q_OS_LINUX
#include <fcntl.h>
#endif

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
        const qint64 written = m_target.write(data + done, size - done);
        // A write that takes nothing and says nothing would be asked again for ever.
        if (written <= 0) {
            m_failed = true;
            setErrorString(m_target.errorString());
            return -1;
        }
        done += written;
    }
    m_written += size;
    if (m_handle >= 0 && m_written - m_handedOver >= writeBehindPart)
        writeBehind();
    return size;
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
