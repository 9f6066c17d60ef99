#pragma once

#include "report/ReportLayout.h"

#include <QImage>
#include <QStringList>
#include <optional>

namespace lumidex::report {

// A card as its editor shows it at the moment of printing, saved or not.
struct CardValues {
    // The card's fields in record order: the edit fields, then (ignored here)
    // the attachments.
    QStringList fields;
    // A book entry's book.
    QString bookName;
    // The picture the editor's photo frame shows, its placeholder included.
    QImage photo;
};

// The card layout filled with `card`: the photo in `imgLogo`, each value object
// with the trimmed text of its field (a book entry's `txtNome` with the book's
// name and `txtData` with "Data scatto: " and the date). Nothing when the layout
// could not take a value or the photo.
std::optional<ReportLayout> filledRegistryCard(const CardValues& card);
std::optional<ReportLayout> filledBookEntry(const CardValues& card);

} // namespace lumidex::report
