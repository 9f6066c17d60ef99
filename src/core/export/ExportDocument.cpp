#include "export/ExportDocument.h"

#include "export/ExportRecords.h"
#include "export/SheetText.h"
#include "storage/SafeWrite.h"

#include <QIODevice>
#include <cstring>

namespace lumidex {

namespace {

// Bytes gathered before they are handed to the device.
constexpr qsizetype chunkSize = 64 * 1024;

constexpr char rowStart[] = "<tr>";
constexpr char rowEnd[] = "</tr>";
constexpr char cellStart[] = "<td style=\"text-align: left;\">";
constexpr char cellEnd[] = "</td>";

template <std::size_t N> constexpr qsizetype length(const char (&)[N])
{
    return N - 1;
}

template <std::size_t N> char* put(char* out, const char (&text)[N])
{
    std::memcpy(out, text, N - 1);
    return out + N - 1;
}

void appendText(QByteArray& bytes, QStringView text)
{
    const qsizetype at = bytes.size();
    bytes.resize(at + text.size() * sheettext::maxBytesPerChar);
    bytes.truncate(sheettext::writeCellText(bytes.data() + at, text) - bytes.constData());
}

QByteArray head(const QString& sheetName)
{
    QByteArray bytes;
    bytes += "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
             "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
             "xmlns=\"http://www.w3.org/TR/REC-html40\">";
    bytes += "<head>";
    bytes += "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";
    bytes += "<!--[if gte mso 9]><xml>";
    bytes += "<x:ExcelWorkbook>";
    bytes += "<x:ExcelWorksheets>";
    bytes += "<x:ExcelWorksheet>";
    bytes += "<x:Name>";
    appendText(bytes, sheetName);
    bytes += "</x:Name>";
    bytes += "<x:WorksheetOptions>";
    bytes += "<x:Selected/>";
    bytes += "<x:Panes>";
    bytes += "<x:Pane>";
    bytes += "<x:Number>1</x:Number>";
    bytes += "<x:ActiveRow>3</x:ActiveRow>";
    bytes += "</x:Pane>";
    bytes += "</x:Panes>";
    bytes += "<x:ProtectContents>False</x:ProtectContents>";
    bytes += "<x:ProtectObjects>False</x:ProtectObjects>";
    bytes += "<x:ProtectScenarios>False</x:ProtectScenarios>";
    bytes += "</x:WorksheetOptions>";
    bytes += "</x:ExcelWorksheet>";
    bytes += "</x:ExcelWorksheets>";
    bytes += "</x:ExcelWorkbook>";
    bytes += "</xml><![endif]-->";
    bytes += "</head>";
    bytes += "<body>";
    bytes += "<table x:str>";
    return bytes;
}

QByteArray headerRow(const ExportTable& table)
{
    QByteArray bytes = "<tr>";
    for (const ExportColumn& column : table.columns) {
        if (!column.exported())
            continue;
        bytes += "<td style=\"text-align: left; font-weight: bold;\" width=";
        bytes += QByteArray::number(column.documentWidth);
        bytes += '>';
        appendText(bytes, column.header);
        bytes += "</td>";
    }
    bytes += "</tr>";
    return bytes;
}

constexpr char tail[] = "</table></body></html>";

} // namespace

ExportDocument::ExportDocument(const ExportRecords& records)
    : m_records(records)
{ }

bool ExportDocument::flush(QIODevice& device, QByteArray& buffer)
{
    if (device.write(buffer) != buffer.size()) {
        m_error = device.errorString();
        return false;
    }
    buffer.resize(0);
    return true;
}

bool ExportDocument::write(QIODevice& device)
{
    m_error.clear();
    const ExportTable& table = m_records.table();
    const int columns = table.exportedColumnCount();

    QByteArray buffer = head(table.sheetName) + headerRow(table);
    buffer.reserve(2 * chunkSize);
    for (int row = 0; row < m_records.rowCount(); ++row) {
        // Room for the row at its longest, then the row written straight into it.
        qsizetype room = length(rowStart) + length(rowEnd);
        for (int column = 0; column < columns; ++column)
            room += length(cellStart) + length(cellEnd)
                + m_records.exportedText(row, column).size() * sheettext::maxBytesPerChar;
        const qsizetype at = buffer.size();
        buffer.resize(at + room);
        char* out = put(buffer.data() + at, rowStart);
        for (int column = 0; column < columns; ++column) {
            out = put(out, cellStart);
            out = sheettext::writeCellText(out, m_records.exportedText(row, column));
            out = put(out, cellEnd);
        }
        out = put(out, rowEnd);
        buffer.truncate(out - buffer.constData());
        if (buffer.size() >= chunkSize && !flush(device, buffer))
            return false;
    }
    buffer += tail;
    return flush(device, buffer);
}

bool ExportDocument::save(const QString& filePath)
{
    return safewrite::replaceFile(
        filePath,
        [this](QIODevice& out, QString& why) {
            if (write(out))
                return true;
            why = m_error;
            return false;
        },
        &m_error);
}

} // namespace lumidex
