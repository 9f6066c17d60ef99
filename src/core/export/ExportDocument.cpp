#include "export/ExportDocument.h"

#include "export/ExportRecords.h"
#include "export/SheetText.h"
#include "storage/CheckedOutput.h"
#include "storage/SafeWrite.h"

#include <QIODevice>
#include <cstring>

namespace lumidex {

namespace {

// Bytes gathered before they are handed to the device.
constexpr qsizetype chunkSize = 256 * 1024;
// Rows written between two looks at the step.
constexpr int rowsPerStep = 1024;

constexpr char rowStart[] = "<tr>";
constexpr char rowEnd[] = "</tr>";
constexpr char cellStart[] = "<td style=\"text-align: left;\">";
// The start of a cell a spreadsheet program would otherwise read as a number or
// a formula: under the text number format "@" LibreOffice keeps it as typed.
constexpr char textCellStart[] = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
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

// Most cells are a few bytes long: copied with moves of fixed size, which the
// compiler writes in place, rather than a call to the library per cell.
char* putText(char* out, QByteArrayView text)
{
    const char* in = text.data();
    const qsizetype size = text.size();
    if (size > 16) {
        std::memcpy(out, in, std::size_t(size));
    } else if (size >= 8) {
        std::memcpy(out, in, 8);
        std::memcpy(out + size - 8, in + size - 8, 8);
    } else if (size >= 4) {
        std::memcpy(out, in, 4);
        std::memcpy(out + size - 4, in + size - 4, 4);
    } else {
        for (qsizetype i = 0; i < size; ++i)
            out[i] = in[i];
    }
    return out + size;
}

char* putCellStart(char* out, bool markedAsText)
{
    // The two starts share all but their end; the longer is written every
    // time and cut where the plain one ends, without a branch the processor
    // would guess wrong on every other cell of a row of dates and names.
    static_assert(sizeof(textCellStart) > sizeof(cellStart));
    constexpr qsizetype shared = length(cellStart) - 1;
    std::memcpy(out, textCellStart, std::size_t(length(textCellStart)));
    out[shared] = markedAsText ? textCellStart[shared] : '>';
    return out + (markedAsText ? length(textCellStart) : length(cellStart));
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

bool ExportDocument::write(QIODevice& device, const Step& step)
{
    m_cause = {};
    m_stopped = false;
    const ExportTable& table = m_records.table();
    const int columns = table.exportedColumnCount();
    const int rows = m_records.rowCount();

    const QByteArray start = head(table.sheetName) + headerRow(table);
    QByteArray buffer(qMax(chunkSize, start.size()), Qt::Uninitialized);
    std::memcpy(buffer.data(), start.constData(), std::size_t(start.size()));
    qsizetype used = start.size();
    const auto flush = [&] {
        if (device.write(buffer.constData(), used) != used) {
            // The safe write's output knows the system's answer; another device
            // only its words.
            const auto* checked = dynamic_cast<const CheckedOutput*>(&device);
            m_cause = checked ? checked->cause() : FailureCause::fromSystem(0, device.errorString());
            return false;
        }
        used = 0;
        return true;
    };
    const auto stopHere = [&](int rowsWritten) {
        if (!step || step(rowsWritten))
            return false;
        m_stopped = true;
        m_cause = FailureCause::fromSystem(0, QStringLiteral("The export was stopped"));
        return true;
    };

    const bool anyTyped = m_records.hasTypedCells();
    for (int row = 0; row < rows; ++row) {
        if (row % rowsPerStep == 0 && row > 0 && stopHere(row))
            return false;
        // A stored cell without markup (nearly every one) is copied as it is, a
        // cell with markup is escaped, and a typed cell written from its text.
        const ExportRecords::StoredRow stored = m_records.storedRow(row);
        const bool plain = stored.markup == 0;
        // Room for the row at its longest, then the row written straight into it.
        qsizetype room = length(rowStart) + length(rowEnd) + columns * (length(textCellStart) + length(cellEnd))
            + stored.all().size() * (plain ? 1 : sheettext::maxBytesPerStoredByte);
        for (int column = 0; anyTyped && column < columns; ++column) {
            if (const QString* typed = m_records.exportedCell(row, column).typed)
                room += typed->size() * sheettext::maxBytesPerChar;
        }
        if (used + room > buffer.size()) {
            if (!flush())
                return false;
            if (room > buffer.size())
                buffer.resize(room);
        }
        char* out = put(buffer.data() + used, rowStart);
        for (int column = 0; column < columns; ++column) {
            const QString* typed = anyTyped ? m_records.exportedCell(row, column).typed : nullptr;
            if (typed) {
                out = putCellStart(out, sheettext::mightBeReadAsNumber(*typed));
                out = sheettext::writeCellText(out, *typed);
            } else {
                const QByteArrayView text = stored.cell(column);
                out = putCellStart(out, sheettext::mightBeReadAsNumber(text));
                const bool escaped = (stored.markup >> qMin(column, 63)) & 1;
                out = escaped ? sheettext::writeEscaped(out, text) : putText(out, text);
            }
            out = put(out, cellEnd);
        }
        out = put(out, rowEnd);
        used = out - buffer.constData();
    }
    if (used + length(tail) > buffer.size() && !flush())
        return false;
    std::memcpy(buffer.data() + used, tail, std::size_t(length(tail)));
    used += length(tail);
    return flush() && !stopHere(rows);
}

bool ExportDocument::save(const QString& filePath, const Step& step)
{
    return safewrite::replaceFile(
        filePath,
        [this, &step](QIODevice& out, FailureCause& why) {
            if (write(out, step))
                return true;
            why = m_cause;
            return false;
        },
        &m_cause);
}

} // namespace lumidex
