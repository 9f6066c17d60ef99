#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace lumidex {

class FocusFrame;

// What the login and change-password windows share: a small fixed window with
// no title-bar buttons, centred on the screen, on a steel-blue-to-white
// gradient, with masked password fields that show a yellow frame while focused.
class PasswordWindow : public QWidget {
    Q_OBJECT
public:
    const QString& programDir() const { return m_programDir; }

signals:
    // The window was closed; the window set decides where the user goes next.
    void closed();

protected:
    PasswordWindow(const QString& programDir, const QString& windowName, const QString& caption, const QSize& size,
        QWidget* parent);

    // A masked field and its focus frame; the field gets room for the frame
    // around it in `fieldBox`, which the caller lays out.
    QLineEdit* makePasswordField(const QString& name, const QString& frameName, FocusFrame*& frame, QWidget*& fieldBox);
    QPushButton* makeButton(const QString& name, const QString& text);

    // Enter as the keyboard sends it, from the main keys or the keypad.

    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QString m_programDir;
};

} // namespace lumidex
