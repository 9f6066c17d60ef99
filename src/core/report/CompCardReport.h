#pragma once

#include "report/CompCardLayout.h"

#include <QImage>
#include <QStringList>
#include <optional>

namespace lumidex::report {

// A registry card as its comp card takes it, at the moment of printing.
struct CompCardValues {
    // The card's fields in record order, as the editor shows them.
    QStringList fields;
    // The card's photo (or the placeholder the editor shows), at no more than
    // compCardPhotoBound() pixels.
    QImage photo;
    // The card's attached pictures, in slot order, at most four.
    QStringList picturePaths;
};

// The attached files among `names` (the card's file names, in slot order) that
// are pictures the program can read: their full paths in the attachments folder,
// at most four. Documents and missing files are passed over.
QStringList attachedPictures(const QString& programDir, const QStringList& names);

// The comp card on `paper` filled with `card` and `agencyLine`: the trimmed name
// and measurements, the photo, and each attached picture decoded from its file
// at the size of its box. A picture that cannot be decoded after all leaves its
// box empty. Nothing when the layout could not take the photo.
std::optional<ReportLayout> filledCompCard(CompCardPaper paper, const CompCardValues& card, const QString& agencyLine);

} // namespace lumidex::report
