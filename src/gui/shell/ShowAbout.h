#pragma once

class QWidget;

namespace lumidex {

// The start menu's two windows about the program: what it is for (with the
// maker's e-mail), and who made it (with the maker's web site).
void showInformation(QWidget* owner);
void showCredits(QWidget* owner);

} // namespace lumidex
