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

    void reserve(qsizetype rows, qsizetype stride)
    {
        rowBytes.reserve(rows);
        cellEnds.reserve(rows * stride);
        rowMarkup.reserve(rows);
    }

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

    // The rows of `more` after these, in their order.
    void append(Rows&& more, qsizetype stride)
    {
        const qsizetype shift = qsizetype(rowBytes.size()) * stride;
        bytes.adopt(std::move(more.bytes));
        rowBytes.append(more.rowBytes);
        cellEnds.append(more.cellEnds);
        rowMarkup.append(more.rowMarkup);
        for (auto cell = more.typed.cbegin(); cell != more.typed.cend(); ++cell)
            typed.insert(cell.key() + shift, cell.value());
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

template <class Scan> bool ExportRecords::readRows(Scan scan, qsizetype archiveRecords)
{
    Rows rows;
    rows.reserve(qMax<qsizetype>(0, archiveRecords), m_stride);
    bool complete = true;
    m_error.clear();
    m_cause = {};
    m_archiveRecords = archiveRecords;
    try {
        scan(rows);
    } catch (const ArchiveError& error) {
        complete = false;
        m_error = error.reason();
        m_cause = error.cause();
    }
    m_complete = complete;

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
    // What the file holds before the visit, for room and for telling a partial
    // read; the visit reads whatever it holds when it runs. Something else in
    // the archive's place (a folder), or a file that cannot be looked at, holds
    // an unknown number of cards.
    const QFileInfo file(archive.filePath());
    const qsizetype held = file.isFile() ? file.size() / archive.layout().size() : -1;
    return fill(lumidex::archiveRecords(archive), held);
}

bool ExportRecords::fill(const RecordSource& records, qsizetype archiveRecords)
{
    const qsizetype expectedRecords = qMax<qsizetype>(0, archiveRecords);
    const QList<int> fields = exportedFields();
    // The records are read in runs side by side, one per processor, each into
    // rows of its own, put one after the other at the end.
    struct Run {
        Rows rows;
        QVarLengthArray<QByteArrayView, 32> cells;
        int first = 0;
        int last = 0;
    };
    PerRun<Run> runs;
    for (int part = 0; part < runs.count(); ++part) {
        runs[part].cells.resize(fields.size());
        // The first run's rows take the others' in the end.
        runs[part].rows.reserve(part == 0 ? expectedRecords : expectedRecords / runs.count(), m_stride);
    }
    return readRows(
        [&](Rows& rows) {
            // Only the runs before the first that stopped short are kept (and
            // that one's rows as far as it got), so the rows are still the
            // first records in order, each numbered by its position.
            const auto gather = [&] {
                rows = std::move(runs[0].rows);
                for (int part = 1; part < runs.count(); ++part) {
                    if (runs[part].first != runs[part - 1].last + 1)
                        break;
                    rows.append(std::move(runs[part].rows), m_stride);
                }
            };
            try {
                // Each exported field goes from the record's bytes straight into
                // its row: no field becomes a text of its own on the way.
                records(runs.count(), [&](int part, int position, const RecordView& record) {
                    Run& run = runs[part];
                    // A field the record does not have stays empty.
                    const int present = record.layout().fieldCount();
                    for (qsizetype i = 0; i < fields.size(); ++i)
                        run.cells[i] = fields[i] < present ? record.storedText(fields[i]) : QByteArrayView();
                    run.rows.add(run.cells.constData(), run.cells.size());
                    if (run.first == 0)
                        run.first = position;
                    run.last = position;
                    return true;
                });
            } catch (...) {
                gather();
                throw;
            }
            gather();
        },
        archiveRecords);
}

bool ExportRecords::fill(const ValueSource& source, qsizetype archiveRecords)
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
        archiveRecords);
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
