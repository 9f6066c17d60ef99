#pragma once

#include <QString>
#include <QStringView>

// The password as the program compares and stores it.
namespace lumidex::passwordtext {

// The password the program uses for a new installation, in the form the user
// types it; the store holds the scrambled upper-case form.
inline constexpr char16_t initialPassword[] = u"lucernaviolata";

// Letters a to z become A to Z, then the text is trimmed: passwords ignore the
// case of those letters and any surrounding spaces. No other character changes.
QString normalised(QStringView typed);

// A password can be stored only if every character code fits in one byte: the
// scrambling keeps the low 8 bits only, so any other character would turn the
// stored password into one that nobody can type again.
bool isStorable(QStringView password);

} // namespace lumidex::passwordtext
