#pragma once

#include "kinds/ArchiveKind.h"
#include "report/CardReport.h"

class QSize;
class QWidget;

namespace lumidex {

// Open the print window, or the preview window, of `kind` for the card an
// editor shows. Each runs modally, owned by `owner`, and is gone when these return.
void printCard(QWidget* owner, ArchiveKind kind, const report::CardValues& card);
void previewCard(QWidget* owner, ArchiveKind kind, const report::CardValues& card);

// The most pixels the card's photo prints at: its box on the card, at the finest
// resolution a photo is printed with. A larger picture is reduced to this.
QSize printedPhotoSize(ArchiveKind kind);

} // namespace lumidex
