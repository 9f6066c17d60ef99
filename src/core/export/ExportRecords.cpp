#include "export/ExportRecords.h"

#include "export/SheetText.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/RecordView.h"
#include "storage/TextField.h"

#include <QFileInfo>
#include <QVarLengthArray>
#include <cstring>

namespace lumidex {

using sheettext::withoutBlankEnds;

ExportRecords::ExportRecords(const ExportTable& table, QObject* parent)
    : QAbstractTableModel(parent)
    , m_table(table)
    , m_stride(table.exportedColumnCount())
    , m_rowTexts(emptyRows)
    , m_cellEnds(emptyRows * m_stride, 0)
{ }

namespace {

// A cell's text put into its row: as it is, or from the record's code page.
void putCell(QChar* out, QStringView cell)
{
    // An empty text may have no storage at all, and memcpy wants one even for nothing.
    if (cell.isEmpty())
        return;
    std::memcpy(static_cast<void*>(out), cell.data(), std::size_t(cell.size()) * sizeof(QChar));
}

void putCell(QChar* out, QByteArrayView cell)
{
    textfield::fromWindows1252(cell, out);
}

} // namespace

template <class Cell> QString ExportRecords::packRow(const Cell* cells, qsizetype count, quint32* ends)
{
    qsizetype total = 0;
    for (qsizetype i = 0; i < count; ++i)
        total += cells[i].size();
    QString text(total, Qt::Uninitialized);
    QChar* out = text.data();
    quint32 end = 0;
    for (qsizetype i = 0; i < count; ++i) {
        putCell(out + end, cells[i]);
        end += quint32(cells[i].size());
        ends[i] = end;
    }
    return text;
}

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
    QList<QString> texts;
    QList<quint32> ends;
    texts.reserve(expectedRecords);
    ends.reserve(expectedRecords * m_stride);
    const auto addRow = [&](const auto* cells) {
        ends.resize(ends.size() + m_stride);
        texts.append(packRow(cells, m_stride, ends.data() + ends.size() - m_stride));
    };
    bool complete = true;
    m_error.clear();
    try {
        scan(addRow);
    } catch (const ArchiveError& error) {
        complete = false;
        m_error = error.reason();
    }

    // An empty archive leaves the grid as it was created. A failure keeps
    // whatever was read before it.
    if (!texts.isEmpty()) {
        beginResetModel();
        m_rowTexts = std::move(texts);
        m_cellEnds = std::move(ends);
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
        [&](const auto& addRow) {
            // Each exported field goes from the record's bytes straight into its
            // row's text: no field becomes a text of its own on the way.
            archive.visit([&](int, const RecordView& record) {
                for (qsizetype i = 0; i < fields.size(); ++i)
                    cells[i] = fields[i] < 0 ? QByteArrayView() : record.storedText(fields[i]);
                addRow(cells.constData());
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
        [&](const auto& addRow) {
            source([&](int, const QStringList& values) {
                for (qsizetype i = 0; i < fields.size(); ++i)
                    cells[i] = fields[i] < values.size() ? withoutBlankEnds(values[fields[i]]) : QStringView();
                addRow(cells.constData());
                return true;
            });
        },
        expectedRecords);
}

bool ExportRecords::isCell(const QModelIndex& index) const
{
    return index.isValid() && index.model() == this && index.row() < m_rowTexts.size()
        && index.column() < columnCount();
}

QString ExportRecords::text(int row, int column) const
{
    if (column == 0)
        return m_numbered ? QString::number(row + 1) : QString();
    return exportedText(row, column - 1).toString();
}

int ExportRecords::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rowTexts.size());
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
    // The row is packed again with the typed text in its place, as typed; the
    // spreadsheet drops its blanks at either end.
    const QString typed = value.toString();
    QVarLengthArray<QStringView, 32> cells(m_stride);
    for (qsizetype column = 0; column < m_stride; ++column)
        cells[column] = column == index.column() - 1 ? QStringView(typed) : exportedText(index.row(), int(column));
    m_rowTexts[index.row()]
        = packRow(cells.constData(), m_stride, m_cellEnds.data() + qsizetype(index.row()) * m_stride);
    emit dataChanged(index, index, { Qt::DisplayRole, Qt::EditRole });
    return true;
}

} // namespace lumidex
