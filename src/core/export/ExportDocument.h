#pragma once

#include "common/FailureCause.h"

#include <QString>
#include <functional>

class QIODevice;

namespace lumidex {

class ExportRecords;

// The spreadsheet file: an HTML table in the Office dialect that spreadsheet
// programs open directly, in Windows-1252 with no line break anywhere. Written
// row by row as it goes, so that a large archive is never held twice in memory.
class ExportDocument {
public:
    explicit ExportDocument(const ExportRecords& records);

    // Told how many rows are written, every thousand rows or so and once more
    // when the whole document is handed over; false stops the writing, as when
    // the user no longer wants the export.
    using Step = std::function<bool(int rowsWritten)>;

    // Streams the whole document into an open device. False when the device
    // refused to take it (errorString() says why) or `step` stopped it.
    [[nodiscard]] bool write(QIODevice& device, const Step& step = {});

    // Writes the document to a temporary file beside `filePath` and puts it in
    // place only once it is complete and on the disk, so a failed or stopped
    // export leaves the previous file as it was.
    [[nodiscard]] bool save(const QString& filePath, const Step& step = {});

    // Why the last write or save failed: the system's words in detail().
    const FailureCause& cause() const { return m_cause; }
    const QString& errorString() const { return m_cause.detail(); }
    // Whether the last write was stopped by its step rather than failed.
    bool stopped() const { return m_stopped; }

private:
    const ExportRecords& m_records;
    FailureCause m_cause;
    bool m_stopped = false;
};

} // namespace lumidex
