#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// The rules a book name obeys. The name becomes a file name in the program
// folder and part of every photo file name of the book, so it must never hold a
// path separator or anything else a file name cannot carry.
namespace lumidex::booknames {

// Keys the creation window's name field does not let through.
bool isFilteredKey(QChar c);

// True when the (trimmed) name holds no filtered character, no "|" and no
// control character. Pasted text never passes the key filter, so this is what
// actually keeps a name safe.
bool isAcceptable(QStringView name);

// The longest photo file name of a book: the name, "_Foto_", a position of up
// to ten digits and ".jpg", in bytes as the file system counts them.
qsizetype longestPhotoNameBytes(QStringView name);

// The book a book file name stands for: the name without its extension.
QString bookNameOf(const QString& fileName);

// Whether every photo of a book of this name can be stored in a file system
// whose names hold at most `nameMaxBytes` bytes.
bool photoNamesFit(QStringView name, long nameMaxBytes);

} // namespace lumidex::booknames
