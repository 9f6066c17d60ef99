#pragma once

#include <QIODevice>

namespace lumidex {

// What a file being replaced is written through. Every write reaches the file
// whole: after a short count (a full disk takes part of a block before it
// refuses) the rest is written again, and the file's refusal, with the system's
// reason, fails the write. After the first failure nothing more is written, so
// a writer that looks at no count (a picture encoder) cannot leave a file with a
// hole in it, and the failure is still there to be seen when it is done.
class CheckedOutput : public QIODevice {
public:
    explicit CheckedOutput(QIODevice& target);

    bool failed() const { return m_failed; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    QIODevice& m_target;
    bool m_failed = false;
};

} // namespace lumidex
