#pragma once

#include "search/ResultLineBuilders.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace lumidex {

class RecordLayout;

// A criteria field of a search window: its control, its caption, the record
// field it is looked for in, and its focus frame.
struct SearchCriterion {
    QString control;
    QString caption;
    int field;
    QString focusFrame;
};

// What a search window searches and shows for one record layout. The window is
// one and the same for the registry and both book sides; the men's and women's
// books share their form.
struct SearchForm {
    QString caption;
    // Title of the printed summary.
    QString summaryTitle;
    const RecordLayout* layout = nullptr;
    // In the order Enter and Tab walk them; the panel lays them out two by two.
    QList<SearchCriterion> criteria;
    LineBuilder line = nullptr;
};

namespace searchform {

const SearchForm& registry();
const SearchForm& book();

} // namespace searchform

} // namespace lumidex
