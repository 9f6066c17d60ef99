#pragma once

#include <QString>
#include <QUrl>

// The maker's addresses, shown in the start menu, the credits window and the
// information window. They live here only, so that a change of address is one
// edit.
namespace lumidex::maker {

inline constexpr char16_t webAddress[] = u"https://www.lumidex.example";
inline constexpr char16_t emailAddress[] = u"info@lumidex.example";

// The "mailto:" link of the information window: the user's mail program opens a
// new message to the maker with its subject and first line filled in.
QUrl informationMailUrl();
// The maker's web site, as the start menu and the credits window open it.
QUrl webUrl();

} // namespace lumidex::maker
