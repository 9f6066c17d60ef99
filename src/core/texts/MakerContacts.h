#pragma once

#include <QString>

// The maker's addresses, shown in the start menu, the credits window and the
// information window. They live here only, so that a change of address is one
// edit.
namespace lumidex::maker {

inline constexpr char16_t webAddress[] = u"https://www.lumidex.example";
inline constexpr char16_t emailAddress[] = u"info@lumidex.example";

// The quoted "mailto:" link of the information window: the user's mail program
// opens a new message to the maker with its subject and first line filled in.
// Subject and body go as they read, without percent-encoding.
QString informationMailCommand();

} // namespace lumidex::maker
