#pragma once

#include <QString>

class QIODevice;

namespace lumidex {

class ExportRecords;

// The spreadsheet file: an HTML table in the Office dialect that spreadsheet
// programs open directly, in Windows-1252 with no line break anywhere. Written
// row by row as it goes, so that a large archive is never held twice in memory.
class ExportDocument {
public:
    explicit ExportDocument(const ExportRecords& records);

    // Streams the whole document into an open device. False when the device
    // refused to take it; errorString() says why.
    bool write(QIODevice& device);

    // Writes the document to a temporary file beside `filePath` and puts it in
    // place only once it is complete, so a failed export leaves the previous file
    // as it was.
    bool save(const QString& filePath);

    const QString& errorString() const { return m_error; }

private:
    bool flush(QIODevice& device, QByteArray& buffer);

    const ExportRecords& m_records;
    QString m_error;
};

} // namespace lumidex
