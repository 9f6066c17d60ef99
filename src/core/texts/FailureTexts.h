#pragma once

#include <QString>

// Why something could not be done, in the user's words: one sentence each, put on
// a line of its own under the message of what failed.
namespace lumidex::failuretext {

// ENOSPC, EDQUOT
QString noRoom();
// EACCES, EPERM, EROFS
QString accessDenied();
// Another program kept the archive past the wait.
QString lockedElsewhere();
// EIO, and a file that ended before it should
QString diskError();
// ENOENT
QString notFound();
// EFBIG
QString fileTooLarge();
// ENAMETOOLONG
QString nameTooLong();
// EISDIR, ENOTDIR
QString folderInTheWay();
// EMFILE, ENFILE
QString tooManyOpenFiles();
// A network share that stopped answering: ENOTCONN, ETIMEDOUT, EHOSTDOWN,
// EHOSTUNREACH, ENETDOWN, ENETUNREACH, ESTALE, ECONNRESET
QString shareUnreachable();
// A photo that could not be made ready for a web page.
QString pictureNotEncoded();
// Any other answer of the system.
QString otherSystemError(int error);

} // namespace lumidex::failuretext
