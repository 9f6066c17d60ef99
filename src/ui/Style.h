#pragma once

#include <QColor>
#include <QSize>
#include <QString>

// The program's look in one place: the colours its windows share, the size of a
// working screen, and the highlight of the fields a user types a card into.
namespace lumidex::style {

// A maximised window's client size before it is maximised.
inline constexpr QSize screenSize { 1016, 713 };

// Top of the working screens' gradient (it fades to white).
inline QColor screenBlue()
{
    return QColor(0x42, 0x7A, 0xA8);
}
// claSteelblue: the password, zoom and calendar gradients and the separators.
inline QColor steelBlue()
{
    return QColor(0x46, 0x82, 0xB4);
}
inline QColor startMenuBlue()
{
    return QColor(0x5D, 0x85, 0xA6);
}

// The field highlight: Alice blue with a sky-blue outline, yellow while the field
// has the focus. `selector` picks the fields that carry it; `look` adds their font
// and padding.
QString fieldHighlight(const QString& selector, const QString& look);

// A style-sheet background fading from `top` at the top to white at the bottom.
QString verticalGradientToWhite(const QColor& top);

} // namespace lumidex::style
