#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// An INI file read and changed as the lines it is made of, the way the desktop's
// own INI routines treat it: section and key names match without regard to
// case, the first of two equal keys counts, lines that are neither a section, a
// key nor a comment are passed over, and a change rewrites one line and keeps
// every other byte (comments, order, code page, line ends) as it was.
namespace lumidex::initext {

// The value of `key` in `section`, without the blanks around it and without one
// pair of enclosing double quotes; nothing when the section or key is absent.
std::optional<QByteArray> value(QByteArrayView file, QByteArrayView section, QByteArrayView key);

// `file` with `key` in `section` set to `value`: the key's line replaced (its line
// end kept), or a line added at the end of the section, or the section added at
// the end of the file. New lines end like the file's own lines (CR LF when the
// file has none yet).
QByteArray withValue(QByteArrayView file, QByteArrayView section, QByteArrayView key, QByteArrayView value);

} // namespace lumidex::initext
