#pragma once

#include <QString>

class QLabel;
class QLineEdit;

namespace lumidex {

// How a field that must show its longest value whole takes its width.
enum class WholeValueFit {
    // Exactly as wide as the value needs, or as `floor`: a field of a fixed
    // length (a date) beside others.
    Fixed,
    // At least that wide; the layout may give it more.
    AtLeast,
};

// Keeps `field` wide enough to show `longest` whole, with its frame and padding,
// in whatever font the style gives it. The width is measured again whenever the
// font or the style sheet changes, since a window's style sheet reaches the field
// only when it is polished, after it was laid out.
void showWholeValue(QLineEdit& field, const QString& longest, WholeValueFit fit, int floor = 0);

// The same for a one-line label (a position between two buttons).
void showWholeValue(QLabel& label, const QString& longest);

// The width `field` needs to show `text` whole in its present font and style.
int wholeValueWidth(const QLineEdit& field, const QString& text);

} // namespace lumidex
