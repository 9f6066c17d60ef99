#include "gui/shell/PasswordWindow.h"

#include "ui/FixedWindow.h"
#include "ui/FocusFrame.h"
#include "ui/Pictures.h"
#include "ui/Style.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace lumidex {

PasswordWindow::PasswordWindow(
    const QString& programDir, const QString& windowName, const QString& caption, const QSize& size, QWidget* parent)
    : QWidget(parent, Qt::Window | fixedFrame)
    , m_programDir(programDir)
{
    setUpFixedWindow(this, windowName, caption, size);
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icona-lumidex.svg")));
    centreOnScreen(this);
}

QLineEdit* PasswordWindow::makePasswordField(
    const QString& name, const QString& frameName, FocusFrame*& frame, QWidget*& fieldBox)
{
    fieldBox = new QWidget(this);
    auto* box = new QHBoxLayout(fieldBox);
    box->setContentsMargins(FocusFrame::reach, FocusFrame::reach, FocusFrame::reach, FocusFrame::reach);
    auto* field = new QLineEdit(fieldBox);
    field->setObjectName(name);
    field->setEchoMode(QLineEdit::Password);
    QFont face(QStringLiteral("Verdana"));
    face.setPointSize(14);
    face.setBold(true);
    field->setFont(face);
    box->addWidget(field);
    frame = new FocusFrame(field, frameName);
    return field;
}

QPushButton* PasswordWindow::makeButton(const QString& name, const QString& text)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setCursor(Qt::PointingHandCursor);
    button->setMinimumSize(110, 30);
    return button;
}

void PasswordWindow::paintEvent(QPaintEvent*)
{
    paintVerticalGradient(this, style::steelBlue(), Qt::white);
}

void PasswordWindow::closeEvent(QCloseEvent* event)
{
    // Emitted while the window is still on screen, so that the next window is
    // shown before this one disappears.
    emit closed();
    event->accept();
}

} // namespace lumidex
