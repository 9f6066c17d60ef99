#pragma once

#include <QWidget>

namespace lumidex {

// The yellow frame drawn just around a password field while it has the focus,
// so the user sees at once where the typing goes. It sits behind the field, in
// the field's own parent, and follows the field's geometry.
class FocusFrame : public QWidget {
    Q_OBJECT
public:
    // How far the frame reaches beyond the field on each side; the field's layout
    // leaves at least this much room around it.
    static constexpr int reach = 4;

    FocusFrame(QWidget* field, const QString& objectName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();

    QWidget* m_field;
};

} // namespace lumidex
