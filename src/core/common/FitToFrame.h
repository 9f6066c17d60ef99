#pragma once

#include <QSize>

namespace lumidex {

// The largest size with the proportions of `picture` that fits in `frame`; a
// sliver of a picture still gets one pixel. Empty when either size is empty.
QSize fitInto(const QSize& picture, const QSize& frame);

} // namespace lumidex
