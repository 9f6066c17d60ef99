#pragma once

#include <QString>

// The messages and fixed texts of the book catalogue and the book entry editor.
namespace lumidex::booktext {

// The opening window.
QString emptyList();
QString selectToOpen();
QString selectToDelete();
QString confirmDeletion();
QString bookDeleted();
QString bookNotDeleted();
QString countLine(int books);

// The creation window.
QString nameMissing();
QString nameNotAllowed();
QString nameInUse();
QString bookCreated();

// The entry editor's required fields, tested in this order by Save.
QString titleRequired();
QString dateRequired();
QString locationRequired();

} // namespace lumidex::booktext
