#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QObject>
#include <QString>
#include <QtTest>

namespace lumidex::test {

// The control of `root` with this objectName; the test fails when it is missing.
template <class T> T* named(QObject* root, const QString& name)
{
    T* found = root->findChild<T*>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

// A small picture of one colour with a contrasting mark, so that orientation and
// identity can be told apart after a round trip.
QImage markedImage(const QSize& size, const QColor& colour);
QByteArray encodeJpeg(const QImage& image, int quality = -1);

// Closes whatever modal window a failing test left behind.
void closeModalLeftovers();

} // namespace lumidex::test
