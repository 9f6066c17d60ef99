#pragma once

#include "kinds/ArchiveKind.h"
#include "ui/WorkScreen.h"

class QToolButton;

namespace lumidex {

struct ArchiveProfile;

// What the book menu, creation and opening windows share: the maximised screen
// with its centred panel, the side they work for, the program folder their books
// live in, and the help picture that shows the books' help page.
class BookScreen : public WorkScreen {
    Q_OBJECT
public:
    BookScreen(const QString& programDir, ArchiveKind kind, const QString& caption, QWidget* parent = nullptr);

    const QString& programDir() const { return m_programDir; }
    ArchiveKind kind() const { return m_kind; }
    const ArchiveProfile& profile() const { return m_profile; }

public slots:
    void imgGuidaClick();

protected:
    // The help picture; each window places it.
    QToolButton* makeHelpButton(const QString& picture, const QSize& size);

    QToolButton* imgGuida = nullptr;

private:
    QString m_programDir;
    ArchiveKind m_kind;
    const ArchiveProfile& m_profile;
};

} // namespace lumidex
