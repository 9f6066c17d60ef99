#include "ui/WholeValue.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <functional>

namespace lumidex {

namespace {

// Sizes its widget again whenever what the width depends on changes.
class WidthKeeper : public QObject {
public:
    WidthKeeper(QWidget& widget, std::function<void()> apply)
        : QObject(&widget)
        , m_apply(std::move(apply))
    {
        widget.installEventFilter(this);
        m_apply();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Polish:
        case QEvent::FontChange:
        case QEvent::StyleChange:
            m_apply();
            break;
        default:
            break;
        }
        return false;
    }

private:
    std::function<void()> m_apply;
};

} // namespace

int wholeValueWidth(const QLineEdit& field, const QString& text)
{
    // The line edit's own size hint is seventeen "x" inside its frame, padding
    // and margins as the style draws them: what is around the text is that hint
    // without the seventeen "x". Two pixels more leave room for the cursor.
    const QFontMetrics metrics = field.fontMetrics();
    const int around = field.sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
    return around + metrics.horizontalAdvance(text) + 2;
}

void showWholeValue(QLineEdit& field, const QString& longest, WholeValueFit fit, int floor)
{
    new WidthKeeper(field, [&field, longest, fit, floor] {
        const int width = qMax(wholeValueWidth(field, longest), floor);
        if (fit == WholeValueFit::Fixed)
            field.setFixedWidth(width);
        else
            field.setMinimumWidth(width);
    });
}

void showWholeValue(QLabel& label, const QString& longest)
{
    new WidthKeeper(label, [&label, longest] {
        const QMargins margins = label.contentsMargins();
        const int width = label.fontMetrics().horizontalAdvance(longest) + margins.left() + margins.right()
            + 2 * label.margin() + 4;
        label.setMinimumWidth(width);
    });
}

} // namespace lumidex
