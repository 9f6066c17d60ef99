#include "gui/editor/EditorStyle.h"

#include "ui/Style.h"

namespace lumidex {

QString editorStyleSheet()
{
    return QStringLiteral(R"(
#panStato { background: #3030DD; }
#panInfo { color: white; font: 12pt "Tahoma"; }
#shpGruppo { background: white; border-radius: 4px; }
#shpSezione { background: #C8D6E3; }
#shpScheda { background: white; }
#shpFoto { background: #E0E9F1; }
#linRiga { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #4682B4, stop:1 white); }
#lblPosizione { font: bold 10pt "Verdana"; color: #1F3F66; }
#lblNome { background: #3030DD; color: white; font: 12pt "Verdana"; padding: 3px; }
QLabel[role="caption"] { font: 8pt "Verdana"; color: #1F3F66; }
)")
        + style::fieldHighlight(
            QStringLiteral("QLineEdit"), QStringLiteral("font: bold 12pt \"Verdana\"; padding: 1px 3px;"));
}

} // namespace lumidex
