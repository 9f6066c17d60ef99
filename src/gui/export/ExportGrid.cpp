#include "gui/export/ExportGrid.h"

#include "export/ExportRecords.h"

#include <QHeaderView>

namespace lumidex {

namespace {

constexpr int recordRowHeight = 21;

} // namespace

ExportGrid::ExportGrid(ExportRecords* records, QWidget* parent)
    : QTableView(parent)
{
    setObjectName(QStringLiteral("grdRecords"));
    setModel(records);
    setAlternatingRowColors(true);
    setWordWrap(false);
    // Column 0 numbers the rows; the grid has no row header of its own.
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(recordRowHeight);
    verticalHeader()->setDefaultSectionSize(recordRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    const QList<ExportColumn>& columns = records->table().columns;
    for (int i = 0; i < columns.size(); ++i)
        setColumnWidth(i, columns[i].gridWidth);
}

void ExportGrid::commitPendingEdit()
{
    if (state() != EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

} // namespace lumidex
