#pragma once

#include "common/FailureCause.h"
#include "export/ByteArena.h"
#include "export/ExportTable.h"
#include "storage/RecordSource.h"

#include <QAbstractTableModel>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace lumidex {

// The rows of the export grid: one per record of the archive, read once, with
// the user's edits kept here and never written back to the archive. It is also
// what the spreadsheet is written from, so the file holds what the grid shows.
//
// Until it is filled, and when the archive holds no record, it has ten empty
// rows, as the grid has always had.
class ExportRecords : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int emptyRows = 10;
    // Header data of this role names a column as the program calls it ("colNome").
    static constexpr int columnNameRole = Qt::UserRole;

    // A visit of records as texts, in file order; the visitor returns false to stop.
    using Visitor = std::function<bool(int position, const QStringList& values)>;
    using ValueSource = std::function<void(const Visitor&)>;

    explicit ExportRecords(const ExportTable& table, QObject* parent = nullptr);
    ~ExportRecords() override;

    const ExportTable& table() const { return m_table; }

    // Reads every record of the archive. False when the archive could not be
    // read to its end; the rows read before the failure stay, errorString()
    // says what went wrong and failureCause() why.
    [[nodiscard]] bool fill(const Archive& archive);
    // The same from any source of records that throws ArchiveError on failure:
    // one that visits them in runs side by side, as the archive does, ...
    [[nodiscard]] bool fill(const RecordSource& records, qsizetype archiveRecords);
    // ... or one that hands them as texts. `archiveRecords` is how many cards the
    // source holds, as far as it is known beforehand (room is made for them);
    // -1 when it is not.
    [[nodiscard]] bool fill(const ValueSource& source, qsizetype archiveRecords = -1);
    const QString& errorString() const { return m_error; }
    const FailureCause& failureCause() const { return m_cause; }

    // The cards the rows hold: 0 while the grid has its ten empty rows.
    qsizetype recordsRead() const { return m_numbered ? m_rowBytes.size() : 0; }
    // How many cards the archive held when it was read; -1 when that is not
    // known (the file could not be looked at, or changed while it was read).
    qsizetype cardsInArchive() const { return m_archiveRecords >= recordsRead() ? m_archiveRecords : -1; }
    // Whether the last fill failed with cards of the archive left unread: an
    // export would then hold only some of them. A failure after the last card
    // (a file that would not close) lost none.
    bool readInPart() const { return !m_complete && recordsRead() != cardsInArchive(); }

    // The text of a cell as the grid shows it; column 0 is the row number once
    // records have been read, empty before.
    QString text(int row, int column) const;

    // An exported cell (column 0 = grid column 1) as the spreadsheet takes it:
    // the bytes stored in the archive's code page, trimmed, or the text typed
    // into the grid (untrimmed) when there is one.
    struct Cell {
        QByteArrayView stored;
        const QString* typed = nullptr;
    };
    Cell exportedCell(int row, int exportedColumn) const
    {
        const qsizetype at = qsizetype(row) * m_stride + exportedColumn;
        if (Q_UNLIKELY(!m_typed.isEmpty())) {
            const auto typed = m_typed.constFind(at);
            if (typed != m_typed.cend())
                return { {}, &typed.value() };
        }
        return { storedRow(row).cell(exportedColumn), nullptr };
    }
    // The same as a text, trimmed.
    QString exportedText(int row, int exportedColumn) const;

    // A row's cells as the archive stores them, side by side: what a writer
    // going through every row reads when no cell was typed over
    // (hasTypedCells()), one row at a time rather than cell by cell.
    struct StoredRow {
        const char* bytes;
        const quint16* ends;
        qsizetype cells;
        // The cells that hold "&", "<" or ">" (see sheettext::markupCells).
        quint64 markup;

        QByteArrayView all() const { return cells == 0 ? QByteArrayView() : QByteArrayView(bytes, ends[cells - 1]); }
        QByteArrayView cell(qsizetype at) const
        {
            const quint16 begin = at == 0 ? 0 : ends[at - 1];
            return QByteArrayView(bytes + begin, ends[at] - begin);
        }
    };
    StoredRow storedRow(int row) const
    {
        return { m_rowBytes[row], m_cellEnds.constData() + qsizetype(row) * m_stride, m_stride, m_rowMarkup[row] };
    }
    bool hasTypedCells() const { return !m_typed.isEmpty(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    // Rows as they are being read, put in place of the grid's once complete.
    struct Rows;

    bool isCell(const QModelIndex& index) const;
    // The record fields of the exported columns, in column order.
    QList<int> exportedFields() const;
    // The rows `scan` gives to the rows it is handed (room made for
    // `expectedRecords` of them), in place of the grid's once there is one. An
    // ArchiveError on the way keeps the rows before it and makes the fill
    // incomplete.
    template <class Scan> bool readRows(Scan scan, qsizetype archiveRecords);

    const ExportTable& m_table;
    // Exported columns per row.
    qsizetype m_stride;
    // The cells of every row in the archive's code page, one row after another
    // in a few large blocks: a hundred thousand cards are a few dozen blocks, not
    // millions of texts. Each row's cells lie side by side from its start, and
    // where each cell ends is counted from there (a record is shorter than 64 KiB).
    ByteArena m_bytes;
    QList<const char*> m_rowBytes;
    QList<quint16> m_cellEnds;
    QList<quint64> m_rowMarkup;
    // Cells whose text is not the stored one: typed into the grid, or given by a
    // source with a character the code page lacks. Keyed by row * stride + column.
    QHash<qsizetype, QString> m_typed;
    bool m_numbered = false;
    bool m_complete = true;
    qsizetype m_archiveRecords = -1;
    QString m_error;
    FailureCause m_cause;
};

} // namespace lumidex
