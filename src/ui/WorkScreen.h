#pragma once

#include <QWidget>

class QLabel;
class QVBoxLayout;

namespace lumidex {

// A maximised working screen: a blue-to-white gradient, a fixed 996 × 692 panel
// centred on it, and the blue status strip with the status line `panInfo`, which
// shows the explanation of whatever control the pointer is over.
class WorkScreen : public QWidget {
    Q_OBJECT
public:
    explicit WorkScreen(const QString& caption, QWidget* parent = nullptr);

    QWidget* panel() const { return m_panel; }
    // Where the subclass lays out its content, above the status strip.
    QVBoxLayout* contentLayout() const { return m_content; }
    QLabel* statusLine() const { return m_panInfo; }
    // A message of the program's own in the status line, after something the
    // user did. It stays while the pointer rests on the background or comes back
    // to the control it last explained (the one just clicked, as a dialog closes
    // over it), and gives way to the explanation of any other control. A notice
    // too long for the line is cut with an ellipsis and shown whole as its tooltip.
    void showNotice(const QString& text);
    // Empties the status line if it shows a notice: what the notice told of is
    // gone (another card on screen).
    void dismissNotice();

signals:
    // The window was closed, by its exit button or its title bar.
    void closed();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_panel;
    QVBoxLayout* m_content;
    QLabel* m_panInfo;
    QString m_lastExplanation;
    bool m_showsNotice = false;
};

} // namespace lumidex
