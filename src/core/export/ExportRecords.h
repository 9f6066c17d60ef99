#pragma once

#include "export/ExportTable.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace lumidex {

class Archive;

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

    // A visit of records in file order; the visitor returns false to stop.
    using Visitor = std::function<bool(int position, const QStringList& values)>;
    using RecordSource = std::function<void(const Visitor&)>;

    explicit ExportRecords(const ExportTable& table, QObject* parent = nullptr);

    const ExportTable& table() const { return m_table; }

    // Reads every record of the archive. False when the archive could not be
    // read to its end; the rows read before the failure stay, and
    // errorString() says what went wrong.
    bool fill(const Archive& archive);
    // The same from any source of records that throws ArchiveError on failure.
    bool fill(const RecordSource& source, qsizetype expectedRecords = 0);
    const QString& errorString() const { return m_error; }

    // The text of a cell as the grid shows it; column 0 is the row number once
    // records have been read, empty before.
    QString text(int row, int column) const;
    // The text of an exported column (0 = grid column 1), for the spreadsheet.
    QStringView exportedText(int row, int exportedColumn) const
    {
        const quint32* ends = m_cellEnds.constData() + qsizetype(row) * m_stride;
        const quint32 begin = exportedColumn == 0 ? 0 : ends[exportedColumn - 1];
        return QStringView(m_rowTexts[row]).sliced(begin, ends[exportedColumn] - begin);
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    bool isCell(const QModelIndex& index) const;
    // The record fields of the exported columns, in column order.
    QList<int> exportedFields() const;
    // The rows `scan` gives to the row adder it is handed (the cells of one row
    // at a time), in place of the grid's once there is one. An ArchiveError on
    // the way keeps the rows before it and makes the fill incomplete.
    template <class Scan> bool readRows(Scan scan, qsizetype expectedRecords);
    // The cells of one row, in column order, as one text; where each cell ends
    // in it goes to `ends`. Cells are texts (QStringView) or, straight from a
    // record, its bytes in the code page (QByteArrayView).
    template <class Cell> static QString packRow(const Cell* cells, qsizetype count, quint32* ends);

    const ExportTable& m_table;
    // Exported columns per row.
    qsizetype m_stride;
    // One text per row holding its exported cells one after the other, and where
    // each cell ends in it: a hundred thousand cards are a hundred thousand
    // texts, not millions.
    QList<QString> m_rowTexts;
    QList<quint32> m_cellEnds;
    bool m_numbered = false;
    QString m_error;
};

} // namespace lumidex
