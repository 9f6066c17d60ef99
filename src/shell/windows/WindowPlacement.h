#pragma once

class QWidget;

namespace lumidex {

// Places a fixed-size window in the middle of the screen it will appear on (the
// screen of its owner, if it has one).
void centreOnScreen(QWidget* window);

} // namespace lumidex
