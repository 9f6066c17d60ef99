#include "storage/ArchiveHold.h"

#include "storage/ArchiveFile.h"

namespace lumidex {

ArchiveHold::ArchiveHold(const QList<Held>& archives, int lockTimeoutMs)
{
    m_files.reserve(std::size_t(archives.size()));
    // Those already taken go with this object's members if one cannot be had.
    for (const Held& archive : archives)
        m_files.push_back(std::make_unique<ArchiveFile>(
            archive.filePath, archive.recordSize, ArchiveFile::Access::Write, lockTimeoutMs));
}

ArchiveHold::~ArchiveHold() = default;

void ArchiveHold::release()
{
    // Closing a file lets its lock go; a failure the system tells only at the
    // close concerns writes, and a hold writes nothing of its own.
    m_files.clear();
}

} // namespace lumidex
