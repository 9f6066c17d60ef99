#pragma once

#include <QList>
#include <array>

namespace lumidex {

class RecordLayout;

// What the find as you type of one record layout looks in and shows: the
// fields a card is found by, the one that puts a card first when it matches
// and orders the list (the name, a book entry's title), the fields that hold
// phone numbers, and the three a line of the list shows, the name first. The
// name and the line's fields are searched fields too, read once a card.
struct FindFields {
    const RecordLayout* layout = nullptr;
    QList<int> searched;
    int name = 0;
    QList<int> phones;
    std::array<int, 3> shown {};
};

namespace findfields {

// Name, birth place, address, phones, e-mail, tax code, VAT number,
// citizenship and notes; a line shows the name, the birth place and the mobile.
const FindFields& registry();
// Title, description, location, photographer and date; a line shows the
// title, the date and the location.
const FindFields& book();

} // namespace findfields

} // namespace lumidex
