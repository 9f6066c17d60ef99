#include "storage/CheckedOutput.h"

namespace lumidex {

CheckedOutput::CheckedOutput(QIODevice& target)
    : m_target(target)
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
    return size;
}

} // namespace lumidex
