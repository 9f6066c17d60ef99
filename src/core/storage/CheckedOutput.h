#pragma once

#include "common/FailureCause.h"

#include <QIODevice>

namespace lumidex {

// What a file being replaced is written through. Every write reaches the file
// whole: after a short count (a full disk takes part of a block before it
// refuses) the rest is written again, and the file's refusal, with the system's
// reason, fails the write. After the first failure nothing more is written, so
// a writer that looks at no count (a picture encoder) cannot leave a file with a
// hole in it, and the failure is still there to be seen when it is done.
//
// Given the file's handle, it writes through the handle itself, so that a refusal
// keeps the system's answer (cause()), and has the system write what it took to the
// disk as it goes, a few megabytes behind, waiting for the disk when it falls
// further behind: the final sync then has little left to do, a long copy's
// progress is the disk's, and the disk works while the next part is made.
class CheckedOutput : public QIODevice {
public:
    explicit CheckedOutput(QIODevice& target, int fileHandle = -1);

    bool failed() const { return m_failed; }
    // Why the first failed write failed.
    const FailureCause& cause() const { return m_cause; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    qint64 writeToHandle(const char* data, qint64 size);
    void writeBehind();

    QIODevice& m_target;
    int m_handle;
    bool m_failed = false;
    FailureCause m_cause;
    qint64 m_written = 0;
    // Where the parts waited for, and those handed to the disk, end.
    qint64 m_onDisk = 0;
    qint64 m_handedOver = 0;
};

} // namespace lumidex
