#include "export/ExportRecords.h"

#include "export/SheetText.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/RecordView.h"
#include "storage/TextField.h"

#include <QFileInfo>
#include <QVarLengthArray>
#include <algorithm>
#include <cstring>

namespace lumidex {

using sheettext::withoutBlankEnds;

struct ExportRecords::Rows {
    ByteArena bytes;
    QList<const char*> rowBytes;
    QList<quint16> cellEnds;
    QList<quint64> rowMarkup;
    QHash<qsizetype, QString> typed;

    // A row of cells in the code page, as a record holds them.
    void add(const QByteArrayView* cells, qsizetype count)
    {
        qsizetype total = 0;
        for (qsizetype i = 0; i < count; ++i)
            total += cells[i].size();
        char* out = bytes.allocate(total);
        rowBytes.append(out);
        const qsizetype first = cellEnds.size();
        quint16 end = 0;
        for (qsizetype i = 0; i < count; ++i) {
            if (!cells[i].isEmpty())
                std::memcpy(out + end, cells[i].data(), std::size_t(cells[i].size()));
            end += quint16(cells[i].size());
            cellEnds.append(end);
        }
        // Looked at while the row is still at hand: the document is written
        // from rows long gone from the processor's caches.
        rowMarkup.append(sheettext::markupCells(out, cellEnds.constData() + first, count));
    }

    // A row of texts: each goes into the code page where it can, and is kept as
    // it is where a character of it has no byte there.
    void add(const QStringView* cells, qsizetype count)
    {
        QVarLengthArray<QByteArray, 32> stored(count);
        QVarLengthArray<QByteArrayView, 32> views(count);
        const qsizetype first = qsizetype(rowBytes.size()) * count;
        for (qsizetype i = 0; i < count; ++i) {
            if (std::all_of(cells[i].begin(), cells[i].end(), textfield::isStorable))
                stored[i] = textfield::toWindows1252(cells[i]);
            else
                typed.insert(first + i, cells[i].toString());
            views[i] = stored[i];
        }
        add(views.constData(), count);
    }
};

ExportRecords::ExportRecords(const ExportTable& table, QObject* parent)
    : QAbstractTableModel(parent)
    , m_table(table)
    , m_stride(table.exportedColumnCount())
    , m_rowBytes(emptyRows, nullptr)
    , m_cellEnds(emptyRows * m_stride, 0)
    , m_rowMarkup(emptyRows, 0)
{ }

ExportRecords::~ExportRecords() = default;

QList<int> ExportRecords::exportedFields() const
{
    QList<int> fields;
    for (const ExportColumn& column : m_table.columns)
        if (column.exported())
            fields.append(column.field);
    return fields;
}

template <class Scan> bool ExportRecords::readRows(Scan scan, qsizetype expectedRecords)
{
    Rows rows;
    rows.rowBytes.reserve(expectedRecords);
    rows.cellEnds.reserve(expectedRecords * m_stride);
    rows.rowMarkup.reserve(expectedRecords);
    bool complete = true;
    m_error.clear();
    try {
        scan(rows);
    } catch (const ArchiveError& error) {
        complete = false;
        m_error = error.reason();
    }

    // An empty archive leaves the grid as it was created. A failure keeps
    // whatever was read before it.
    if (!rows.rowBytes.isEmpty()) {
        beginResetModel();
        m_bytes = std::move(rows.bytes);
        m_rowBytes = std::move(rows.rowBytes);
        m_cellEnds = std::move(rows.cellEnds);
        m_rowMarkup = std::move(rows.rowMarkup);
        m_typed = std::move(rows.typed);
        m_numbered = true;
        endResetModel();
    }
    return complete;
}

bool ExportRecords::fill(const Archive& archive)
{
    // A hint only: the visit reads whatever the file holds when it runs.
    const qsizetype expected = QFileInfo(archive.filePath()).size() / archive.layout().size();
    QList<int> fields = exportedFields();
    // A field the archive's records do not have stays empty.
    for (int& field : fields)
        if (field >= archive.layout().fieldCount())
            field = -1;
    QVarLengthArray<QByteArrayView, 32> cells(fields.size());
    return readRows(
        [&](Rows& rows) {
            // Each exported field goes from the record's bytes straight into its
            // row: no field becomes a text of its own on the way.
            archive.visit([&](int, const RecordView& record) {
                for (qsizetype i = 0; i < fields.size(); ++i)
                    cells[i] = fields[i] < 0 ? QByteArrayView() : record.storedText(fields[i]);
                rows.add(cells.constData(), cells.size());
                return true;
            });
        },
        expected);
}

bool ExportRecords::fill(const RecordSource& source, qsizetype expectedRecords)
{
    const QList<int> fields = exportedFields();
    QVarLengthArray<QStringView, 32> cells(fields.size());
    return readRows(
        [&](Rows& rows) {
            source([&](int, const QStringList& values) {
                for (qsizetype i = 0; i < fields.size(); ++i)
                    cells[i] = fields[i] < values.size() ? withoutBlankEnds(values[fields[i]]) : QStringView();
                rows.add(cells.constData(), cells.size());
                return true;
            });
        },
        expectedRecords);
}

bool ExportRecords::isCell(const QModelIndex& index) const
{
    return index.isValid() && index.model() == this && index.row() < m_rowBytes.size()
        && index.column() < columnCount();
}

QString ExportRecords::text(int row, int column) const
{
    if (column == 0)
        return m_numbered ? QString::number(row + 1) : QString();
    const Cell cell = exportedCell(row, column - 1);
    return cell.typed ? *cell.typed : textfield::fromWindows1252(cell.stored);
}

QString ExportRecords::exportedText(int row, int exportedColumn) const
{
    const Cell cell = exportedCell(row, exportedColumn);
    return cell.typed ? withoutBlankEnds(*cell.typed).toString() : textfield::fromWindows1252(cell.stored);
}

int ExportRecords::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rowBytes.size());
}

int ExportRecords::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_table.columns.size());
}

QVariant ExportRecords::data(const QModelIndex& index, int role) const
{
    if (!isCell(index))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return text(index.row(), index.column());
    return {};
}

QVariant ExportRecords::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_table.columns.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_table.columns[section].header;
    if (role == columnNameRole)
        return m_table.columns[section].control;
    return {};
}

Qt::ItemFlags ExportRecords::flags(const QModelIndex& index) const
{
    if (!isCell(index))
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (!m_table.columns[index.column()].readOnly)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ExportRecords::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    // The cell keeps the text as typed; the spreadsheet drops its blanks at
    // either end.
    m_typed.insert(qsizetype(index.row()) * m_stride + index.column() - 1, value.toString());
    emit dataChanged(index, index, { Qt::DisplayRole, Qt::EditRole });
    return true;
}

} // namespace lumidex
