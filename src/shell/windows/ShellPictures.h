#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

class QLabel;
class QWidget;

namespace lumidex {

// One of the program's pictures at its designed size, on a transparent ground so
// that the window's gradient shows through its rounded corners.
QPixmap shellPixmap(const QString& resource, const QSize& size);

// A picture that only decorates: a fixed-size label showing it.
QLabel* makePicture(QWidget* parent, const QString& objectName, const QString& resource, const QSize& size);

} // namespace lumidex
