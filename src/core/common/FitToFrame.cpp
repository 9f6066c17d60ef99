#include "common/FitToFrame.h"

namespace lumidex {

QSize fitInto(const QSize& picture, const QSize& frame)
{
    if (picture.isEmpty() || frame.isEmpty())
        return {};
    return picture.scaled(frame, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

} // namespace lumidex
