#pragma once

#include "support/TestFiles.h"
#include "support/TestPictures.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QtTest>
#include <memory>

class QLabel;
class QLineEdit;

// Helpers of the window tests; the file and picture helpers come with them.
namespace lumidex::test {

// The control of `root` with this objectName; the test fails when it is missing.
template <class T> T* named(const QObject* root, const QString& name)
{
    T* found = root->findChild<T*>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}
// The same for a window the test owns through a smart pointer.
template <class T, class Window> T* named(const std::unique_ptr<Window>& root, const QString& name)
{
    return named<T>(root.get(), name);
}

// Closes whatever modal window a failing test left behind.
void closeModalLeftovers();

// What every window says when it cannot reach its archive, written out here once,
// and the same with the cause the user is told (see CauseWords.h).
QString archiveAccessText();
QString archiveAccessText(const QString& cause);

// Pastes `text` into `field` as the user does: through the clipboard and Ctrl+V.
void paste(QLineEdit* field, const QString& text);

// Adds the column "men" with a row for the men's side and one for the women's,
// for the book windows that exist once per side.
void addSideRows();

// The picture a label shows, in one format for comparing.
QImage labelPicture(const QLabel* label);
// `picture` as a window showing it whole in `frame` must draw it: fitted with its
// proportions (at least one pixel each way), smoothly scaled.
QImage fittedRender(const QImage& picture, const QSize& frame);

} // namespace lumidex::test
