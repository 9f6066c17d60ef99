#pragma once

#include "kinds/Side.h"
#include "ui/WorkScreen.h"

class QToolButton;

namespace lumidex {

// What the book menu, creation and opening windows share: the maximised screen
// with its centred panel, the side they work for, the program folder their books
// live in, and the help picture that shows the books' help page.
class BookScreen : public WorkScreen {
    Q_OBJECT
public:
    BookScreen(const QString& programDir, const Side& side, const QString& caption, QWidget* parent = nullptr);

    const QString& programDir() const { return m_programDir; }
    const Side& side() const { return m_side; }

    QToolButton* imgGuida = nullptr;

public slots:
    void imgGuidaClick();

protected:
    // The help picture; each window places it.
    QToolButton* makeHelpButton(const QString& picture, const QSize& size);

private:
    QString m_programDir;
    const Side& m_side;
};

} // namespace lumidex
