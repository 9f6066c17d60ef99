#pragma once

#include "search/ResultLineBuilders.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace lumidex {

class RecordLayout;
struct Side;

// A criteria field of a search window: its control, its caption, the record
// field it is looked for in, and its focus frame.
struct SearchCriterion {
    QString control;
    QString caption;
    int field;
    QString focusFrame;
};

// Everything that tells the registry search from the book searches. The window
// is one and the same; this value is what it is given.
struct SearchKind {
    QString caption;
    // The marker of the editor whose cards this window finds.
    QString marker;
    // Title of the printed summary.
    QString summaryTitle;
    const RecordLayout* layout = nullptr;
    // In the order Enter and Tab walk them; the panel lays them out two by two.
    QList<SearchCriterion> criteria;
    LineBuilder line = nullptr;
    // The figure at the foot of the pictures beside the criteria.
    QString figurePicture;

    static const SearchKind& registry();
    static const SearchKind& book(const Side& side);
    // The registry's when `side` is null.
    static const SearchKind& of(const Side* side);
};

} // namespace lumidex
