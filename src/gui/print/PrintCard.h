#pragma once

#include "report/CardReport.h"

class QSize;
class QWidget;

namespace lumidex {

struct Side;

// Open the print window, or the preview window, for the card an editor shows:
// the registry's windows when `side` is null, otherwise those of the book side.
// Each runs modally, owned by `owner`, and is gone when these return.
void printCard(QWidget* owner, const Side* side, const report::CardValues& card);
void previewCard(QWidget* owner, const Side* side, const report::CardValues& card);

// The most pixels the card's photo prints at: its box on the card, at the finest
// resolution a photo is printed with. A larger picture is reduced to this.
QSize printedPhotoSize(const Side* side);

} // namespace lumidex
