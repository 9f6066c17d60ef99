#include "gui/books/BookScreen.h"

#include "common/Formatting.h"
#include "gui/shell/ShowHelp.h"
#include "kinds/ArchiveProfile.h"
#include "texts/BookTexts.h"
#include "ui/PictureButton.h"

#include <QLabel>
#include <QToolButton>

namespace lumidex {

BookScreen::BookScreen(const QString& programDir, ArchiveKind kind, const QString& caption, QWidget* parent)
    : WorkScreen(caption, parent)
    , m_programDir(programDir)
    , m_kind(kind)
    , m_profile(archiveProfile(kind))
{
    applyFormatSettings();
    // These screens have no status line of their own.
    statusLine()->parentWidget()->hide();
}

QToolButton* BookScreen::makeHelpButton(const QString& picture, const QSize& size)
{
    imgGuida = makePictureButton(
        panel(), QStringLiteral("imgGuida"), picture, size, booktext::helpTip(), QKeySequence(Qt::Key_F1));
    connect(imgGuida, &QToolButton::clicked, this, &BookScreen::imgGuidaClick);
    return imgGuida;
}

void BookScreen::imgGuidaClick()
{
    showHelp(this, m_programDir, m_profile.helpPage);
}

} // namespace lumidex
