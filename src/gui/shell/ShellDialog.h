#pragma once

#include <QColor>
#include <QDialog>
#include <QSize>

class QFrame;
class QPushButton;

namespace lumidex {

// The look shared by the credits, information and help windows: a fixed window
// with no title-bar buttons, a vertical gradient behind a white panel, and a
// "Chiudi" button. Each use creates a new one, runs it through the interaction
// and lets it go.
class ShellDialog : public QDialog {
    Q_OBJECT
public:
    enum class Placement { Screen, Owner };

    struct Look {
        QString windowName;
        QString caption;
        QSize clientSize;
        QColor gradientTop;
        QColor gradientBottom;
        QSize panelSize;
        Placement placement = Placement::Screen;
    };

protected:
    ShellDialog(const Look& look, QWidget* parent);

    // The white panel the window's content goes on.
    QFrame* panel() const { return m_panel; }
    QPushButton* makeCloseButton(QWidget* parent, const QSize& size, int pointSize = -1);

    void paintEvent(QPaintEvent* event) override;

private:
    Look m_look;
    QFrame* m_panel;
};

} // namespace lumidex
