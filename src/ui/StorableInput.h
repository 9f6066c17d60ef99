#pragma once

#include <QString>
#include <functional>

class QLineEdit;

namespace lumidex {

// Receives the status line's words for what a field did with arriving text.
using TellUser = std::function<void(const QString& notice)>;

// Keeps what arrives in `field` in the form its archive record keeps
// (storabletext::storableText): typed, pasted, dropped or composed by an input
// method, a letter the code page cannot hold goes in as its plain form and any
// other such character stays out. The field's maximum length holds as for any
// text, so a replacement never makes it grow past its record field; `tell`
// hears of every change to what went in. Install it before the window's own key
// filter on the field: that filter then judges the key as typed, and once more
// the plain letter that replaces it.
void keepStorable(QLineEdit& field, TellUser tell);

} // namespace lumidex
