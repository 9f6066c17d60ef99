#include "editing/FieldValidator.h"

namespace lumidex {

FieldValidator::FieldValidator(Listener listener, QObject* parent)
    : QValidator(parent)
    , m_listener(std::move(listener))
{ }

QValidator::State FieldValidator::validate(QString& input, int& pos) const
{
    if (storabletext::isStorable(input))
        return Acceptable;
    const storabletext::Result kept = storabletext::storableText(input, pos);
    input = kept.text;
    pos = int(kept.cursor);
    if (m_listener && !kept.changes.isEmpty())
        m_listener(kept.changes);
    return Acceptable;
}

} // namespace lumidex
