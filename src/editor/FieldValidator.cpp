#include "editor/FieldValidator.h"

#include "storage/TextField.h"

namespace lumidex {

FieldValidator::FieldValidator(QObject* parent, CharFilter accepts)
    : QValidator(parent)
    , m_accepts(std::move(accepts))
{ }

QValidator::State FieldValidator::validate(QString& input, int& pos) const
{
    // Character by character, so that the cursor stays behind the same text.
    QString form;
    form.reserve(input.size());
    int cursor = pos;
    for (int i = 0; i < input.size(); ++i) {
        const QChar ch = input[i];
        const bool pair = ch.isHighSurrogate() && i + 1 < input.size() && input[i + 1].isLowSurrogate();
        const QChar kept = pair || !textfield::isStorable(ch) ? QChar(u'?') : ch;
        const bool dropped = m_accepts && !m_accepts(kept);
        if (!dropped)
            form.append(kept);
        const int consumed = pair ? 2 : 1;
        if (i < pos)
            cursor -= consumed - (dropped ? 0 : 1);
        i += consumed - 1;
    }
    input = form;
    pos = qBound(0, cursor, int(form.size()));
    return Acceptable;
}

} // namespace lumidex
