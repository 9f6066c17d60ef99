#pragma once

class QWidget;

namespace lumidex {

// The maker's web site in the browser, from the start menu and the credits
// window. A desktop that will not open it is told, over `owner`, with the
// address to type.
void openMakerSite(QWidget* owner);
// A new mail to the maker in the user's mail program, from the information
// window. A desktop that will not open it is told with the address to write to.
void writeToMaker(QWidget* owner);

} // namespace lumidex
