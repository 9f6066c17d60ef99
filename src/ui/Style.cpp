#include "ui/Style.h"

namespace lumidex::style {

QString fieldHighlight(const QString& selector, const QString& look)
{
    return QStringLiteral("%1 { %2 background: #F0F8FF; border: 1px solid #87CEEB; }\n"
                          "%1:focus { background: #FFFF00; }\n")
        .arg(selector, look);
}

QString verticalGradientToWhite(const QColor& top)
{
    return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 #FFFFFF)").arg(top.name());
}

} // namespace lumidex::style
