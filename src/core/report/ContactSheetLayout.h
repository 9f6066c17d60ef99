#pragma once

#include "report/ReportLayout.h"

#include <QPointF>
#include <QSizeF>

namespace lumidex::report {

// "Provino book fotografico": every entry of a book as a thumbnail, on A4
// portrait pages. Each page carries the book's name (`txtNome`) and its number
// (`txtPagina`, "Pagina 1 di 3") at the top, then a grid of cells filled row by
// row, one cell per entry: the picture (`imgFoto`) in a pale frame, and under it
// the entry's position (`txtPosizione`), date (`txtData`) and title (`txtTitolo`).
struct ContactSheetLayout {
    // The page and its header.
    ReportLayout page;
    // The objects of one cell, placed from the cell's top-left corner.
    QList<ReportObject> cell;
    // Where the grid starts on the printable area, and the size of a cell.
    QPointF gridOrigin;
    QSizeF cellSize;
    int columns = 0;
    int rows = 0;

    int entriesPerPage() const { return columns * rows; }
    // The top-left corner of cell `index` (0-based, row by row) on its page.
    QPointF cellOrigin(int index) const;
};

ContactSheetLayout contactSheetLayout();

// Thumbnails are looked at, not enlarged: 200 dpi show all a 4 cm picture can
// show, and keep each one near a third of a megabyte however large its photo.
inline constexpr qreal contactSheetDpi = 200;
// The print preview records every page and keeps them all while it is open:
// there the thumbnails come at about the size a screen shows them, so that a
// book of thousands of photos can be looked at before it is printed.
inline constexpr qreal contactSheetPreviewDpi = 120;

} // namespace lumidex::report
