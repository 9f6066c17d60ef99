#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace lumidex::test {

// The whole file; empty when it cannot be read.
QByteArray readBytes(const QString& path);
// Writes a fixture file. A fixture that cannot be written stops the test program:
// nothing after it would mean anything.
void writeBytes(const QString& path, const QByteArray& bytes);

// What a test needs to run a program as another user. The build folder may lie
// where only its owner can go (a clone inside a private folder), and so may the
// system's temporary folder (TMPDIR inside one): the program is run as a copy,
// and the files it works on kept, in folders that user can reach.

// Whether every user may enter `folder` and each folder above it.
bool everyUserCanEnter(const QString& folder);
// A new folder in a place every user can reach: the system's temporary folder
// when they can, otherwise /tmp or /var/tmp. Left to its owner alone until the
// test opens it; null when there is no such place.
std::unique_ptr<QTemporaryDir> folderForAnyUser();
// A copy of `program` in `folder` (one of folderForAnyUser()), both open to every
// user. Empty when the copy cannot be made or that user could not reach it.
QString copyForAnyUser(const QString& program, const QString& folder);
// Makes `process` start its program as the unprivileged user nobody (65534), with
// no group of the test's, when the test runs as root; and without the fault shim
// a test may preload (LD_PRELOAD), a file of the build folder that user may not
// read: what such a program checks never needs it.
void startAsNobody(QProcess& process);

} // namespace lumidex::test
