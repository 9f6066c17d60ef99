#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// A program folder as an agency has it, for the backup tests: a registry whose
// cards hold every letter of the code page and name their attached files, two
// books with entries and an empty one, photos, attached files, the password
// store, the agency's line, the package register and an import report; beside
// them what a backup leaves out unless asked (packages, galleries, exports) and
// what it never takes (the program, the manual, a stray file).
namespace lumidex::test::backupfolder {

// Fills `programDir`; the files a backup without the outputs holds, each with
// its bytes, named from the folder.
QMap<QString, QByteArray> fill(const QString& programDir);
// The files a backup holds only with the outputs, and those it never holds.
QStringList outputFiles();
QStringList neverBackedUp();

// Every regular file below `folder`, named from it, with its bytes.
QMap<QString, QByteArray> filesIn(const QString& folder);

// The registry's cards as they are written: every text the code page can hold
// goes through one card or another.
QList<QStringList> registryCards();

} // namespace lumidex::test::backupfolder
