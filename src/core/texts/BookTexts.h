#pragma once

#include <QString>

namespace lumidex::shooting {
struct ShootingFill;
}

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

// The status line after "Carica foto" read the photo's shooting data: what it
// put into the empty fields, or else what the photo says that differs from the
// fields already filled, or else which empty field the photo had nothing for.
// Empty when there is nothing to tell.
QString shootingDataNotice(const shooting::ShootingFill& fill);

} // namespace lumidex::booktext
