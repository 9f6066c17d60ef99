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

// The creation window's caption and the tips of its buttons.
QString creationCaption();
QString createTip();
QString leaveCreationTip();

// The opening window's caption and the tips of its buttons.
QString openingCaption();
QString openTip();
QString deleteTip();
QString leaveOpeningTip();

// The book menu's instructions, buttons and the tip of its exit.
QString menuInstructions();
QString createButton();
QString openButton();
QString backToStartTip();

// The help picture of the menu, creation and opening windows.
QString helpTip();

// The entry editor's title bar, date tips and field captions.
// What the title bar shows until the catalogue names the book.
QString bookNamePlaceholder();
QString todayTip();
QString dateFieldTip();
// The captions of the entry's fields.
QString titleCaption();
QString descriptionCaption();
QString dateCaption();
QString locationCaption();
QString photographerCaption();
QString cameraCaption();
QString retouchCaption();
QString clothesCaption();
QString accessoriesCaption();
QString makeUpCaption();
QString ratingCaption();

// The calendar's caption, prompt and import button.
QString calendarCaption();
QString calendarPrompt();
QString importButton();

} // namespace lumidex::booktext
