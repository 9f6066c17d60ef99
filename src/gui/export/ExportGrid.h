#pragma once

#include <QTableView>

namespace lumidex {

class ExportRecords;

// The grid of the export window over its records: the columns, widths and
// read-only columns of the window's kind, rows 21 pixels high in alternating
// colours. The texts live in the records, never in the grid.
class ExportGrid : public QTableView {
    Q_OBJECT
public:
    ExportGrid(ExportRecords* records, QWidget* parent = nullptr);

    // A cell still being typed into is taken into the records, as if the user
    // had pressed Enter, so that the export writes what the grid shows.
    void commitPendingEdit();
};

} // namespace lumidex
