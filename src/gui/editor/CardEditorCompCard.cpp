#include "gui/editor/CardEditor.h"

#include "gui/compcard/ShowCompCard.h"

#include <QLabel>

namespace lumidex {

void CardEditor::cmdCompCardClick()
{
    // The card as the editor shows it, saved or not; the attached pictures are
    // those its labels name now, in slot order.
    QStringList names;
    for (QLabel* label : attachmentLabels())
        if (label->objectName().startsWith(QLatin1String("lblFile")))
            names << label->text();
    const QStringList pictures = report::attachedPictures(programDir(), names);
    const QImage shown = photo().pictureFitting(report::compCardPhotoBound(int(pictures.size())));
    showCompCard(this, programDir(), { currentValues(), shown, pictures });
}

} // namespace lumidex
