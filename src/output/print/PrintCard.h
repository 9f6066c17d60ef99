#pragma once

#include "output/report/CardReport.h"

class QWidget;

namespace lumidex {

struct Side;

// Open the print window, or the preview window, for the card an editor shows:
// the registry's windows when `side` is null, otherwise those of the book side.
// Each runs modally, owned by `owner`, and is gone when these return.
void printCard(QWidget* owner, const Side* side, const report::CardValues& card);
void previewCard(QWidget* owner, const Side* side, const report::CardValues& card);

} // namespace lumidex
