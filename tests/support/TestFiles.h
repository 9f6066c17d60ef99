#pragma once

#include <QByteArray>
#include <QString>

namespace lumidex::test {

// The whole file; empty when it cannot be read.
QByteArray readBytes(const QString& path);
// Writes a fixture file. A fixture that cannot be written stops the test program:
// nothing after it would mean anything.
void writeBytes(const QString& path, const QByteArray& bytes);

// A copy of `program` in `folder`, both open to every user, for a test that
// runs it as another user: the build folder may lie where only its owner can
// go (a clone inside a private folder). Empty when the copy cannot be made.
QString copyForAnyUser(const QString& program, const QString& folder);

} // namespace lumidex::test
