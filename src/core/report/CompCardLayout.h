#pragma once

#include "report/ReportLayout.h"

#include <QSize>

namespace lumidex::report {

// The paper a comp card is printed on, landscape either way. A4 is A5 enlarged by
// the square root of two, so the card keeps its look on both.
enum class CompCardPaper { A5, A4 };

// The most pictures a comp card shows beside the card's own photo.
inline constexpr int compCardMaxPictures = 4;

// The measurements a comp card prints, in the order of its band: the registry
// field, and its caption.
struct CompCardMeasure {
    const char* field;
    const char* caption;
};
inline constexpr CompCardMeasure compCardMeasures[] = {
    { "Altezza", "ALTEZZA" },
    { "Peso", "PESO" },
    { "Vita", "VITA" },
    { "Fianchi", "FIANCHI" },
    { "Occhi", "OCCHI" },
    { "Capelli", "CAPELLI" },
    { "Taglia", "TAGLIA" },
    { "Scarpe", "SCARPE" },
};

// "Comp card": the sheet an agency sends to its clients. The person's name on a
// bar across the top (`txtNome`), the card's photo large on the left (`imgFoto`)
// and the other pictures beside it (`imgFoto1` ... `imgFoto<pictureCount>`: one
// wide box, two or three columns, or a grid of four; with none, the photo takes
// the whole width), the measurements in a band (`titAltezza` over `txtAltezza`,
// and so on) and the agency's line at the foot (`txtAgenzia`).
ReportLayout compCardLayout(CompCardPaper paper, int pictureCount);

// The name of the picture box of extra picture `index` (0-based): "imgFoto1"...
QString compCardPictureName(int index);

// The pixels the card's photo needs at most, whatever the paper: its box on A4 at
// the finest detail a photo needs on paper.
QSize compCardPhotoBound(int pictureCount);

} // namespace lumidex::report
