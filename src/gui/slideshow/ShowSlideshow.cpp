#include "gui/slideshow/ShowSlideshow.h"

#include "common/Text.h"
#include "gui/slideshow/TfrmSlideshow_Anagrafica.h"
#include "gui/slideshow/TfrmSlideshow_Donne.h"
#include "gui/slideshow/TfrmSlideshow_Uomini.h"
#include "ui/Interaction.h"

namespace lumidex {

namespace {

template <class Window>
void run(QWidget* owner, const QString& programDir, const QString& bookName, const QString& bookFile)
{
    Window window(programDir, owner);
    window.setBook(text::trimmed(bookName), text::trimmed(bookFile));
    interaction().runDialog(window);
}

} // namespace

void showSlideshow(
    QWidget* owner, const QString& programDir, ArchiveKind kind, const QString& bookName, const QString& bookFile)
{
    switch (kind) {
    case ArchiveKind::Registry:
        return run<TfrmSlideshow_Anagrafica>(owner, programDir, {}, {});
    case ArchiveKind::MenBook:
        return run<TfrmSlideshow_Uomini>(owner, programDir, bookName, bookFile);
    case ArchiveKind::WomenBook:
        return run<TfrmSlideshow_Donne>(owner, programDir, bookName, bookFile);
    }
}

} // namespace lumidex
