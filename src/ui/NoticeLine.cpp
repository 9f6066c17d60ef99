#include "ui/NoticeLine.h"

#include <QLabel>

namespace lumidex {

void showOnOneLine(QLabel& line, const QString& text)
{
    // A line not yet on the screen has no width to measure; it shows the text
    // as it is until it is.
    const QString shown
        = line.isVisible() ? line.fontMetrics().elidedText(text, Qt::ElideRight, line.contentsRect().width()) : text;
    line.setText(shown);
    line.setToolTip(shown == text ? QString() : text);
}

} // namespace lumidex
