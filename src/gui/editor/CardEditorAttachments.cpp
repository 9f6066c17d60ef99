#include "gui/editor/CardEditor.h"

#include "common/Text.h"
#include "gui/attachments/AttachFiles.h"

#include <QLabel>

namespace lumidex {

void CardEditor::cmdFileClick()
{
    QStringList current;
    for (const QLabel* label : m_attachments)
        current << text::trimmed(label->text());
    // The applied attachments reach the archive only with the next Save.
    const std::optional<QStringList> applied = attachFiles(this, programDir(), kind(), current);
    if (!applied)
        return;
    for (int i = 0; i < m_attachments.size(); ++i)
        m_attachments[i]->setText(applied->value(i));
}

} // namespace lumidex
