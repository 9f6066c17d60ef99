#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <vector>

namespace lumidex {

class ArchiveFile;

// Several archives held exclusively at once, for as long as this object lives:
// the work that replaces archive files (a restore) keeps every other program of
// any computer out of all of them until it is done, as a save keeps them out of
// one archive. Each is had as a save has it: a card a save cut short is put
// back first. The programs that waited meanwhile then work on the files that
// have the archives' names (see ArchiveFile).
class ArchiveHold {
public:
    struct Held {
        QString filePath;
        int recordSize;
    };

    // Takes the archives one after the other, each waiting up to `lockTimeoutMs`.
    // Throws ArchiveError for the first that cannot be had (another program keeps
    // it, it cannot be opened to be written), letting go of those already held;
    // the error names the file.
    ArchiveHold(const QList<Held>& archives, int lockTimeoutMs);
    ~ArchiveHold();

    ArchiveHold(const ArchiveHold&) = delete;
    ArchiveHold& operator=(const ArchiveHold&) = delete;

    // Lets every archive go at once (the destructor does the same).
    void release();

private:
    std::vector<std::unique_ptr<ArchiveFile>> m_files;
};

} // namespace lumidex
