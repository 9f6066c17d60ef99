#pragma once

#include <QByteArray>
#include <QString>

namespace lumidex::test {

// The whole file; empty when it cannot be read.
QByteArray readBytes(const QString& path);
// Writes a fixture file. A fixture that cannot be written stops the test program:
// nothing after it would mean anything.
void writeBytes(const QString& path, const QByteArray& bytes);

} // namespace lumidex::test
