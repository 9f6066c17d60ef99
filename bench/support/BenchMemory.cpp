#include "BenchMemory.h"

#include <QByteArray>
#include <QFile>

#include <malloc.h>

namespace lumidex::bench {

qint64 statusBytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return -1;
}

bool resetPeakMemory()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1 && refs.flush();
}

bool PeakGrowth::start()
{
    // Memory freed by earlier work goes back to the system first, so that the
    // work measured shows what it takes, not what an earlier run left for it.
    ::malloc_trim(0);
    const bool reset = resetPeakMemory();
    m_before = statusBytes("VmRSS");
    return reset && m_before >= 0;
}

qint64 PeakGrowth::growth() const
{
    return qMax<qint64>(0, statusBytes("VmHWM") - m_before);
}

} // namespace lumidex::bench
