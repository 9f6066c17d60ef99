#pragma once

#include <QColor>
#include <QLabel>

class QAbstractButton;

namespace lumidex {

// The link texts of the credits, information and help windows: underlined dark
// blue text with a hand cursor. The text turns orange while the mouse button is
// held on it (or on its icon) and dark blue again when the button comes up; only
// a release over the text or icon that was pressed counts as a click.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    static constexpr QRgb restColour = 0xFF00008B;
    static constexpr QRgb pressedColour = 0xFFFFA500;

    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    // The picture beside the text behaves as part of the link.
    void attachIcon(QAbstractButton* icon);

    QColor textColour() const { return m_colour; }

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setTextColour(QRgb colour);

    QColor m_colour;
    bool m_pressed = false;
};

} // namespace lumidex
