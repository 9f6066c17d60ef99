#pragma once

#include "ui/Interaction.h"

#include <QColor>
#include <QDialog>
#include <QSize>
#include <QString>

class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lumidex {

// What tells the three check windows apart; everything else about them is alike.
struct CheckWindowLook {
    enum class Typing {
        // Whatever is typed is shown upper-cased and without surrounding blanks.
        UpperCaseTrimmed,
        // Only digits and the editing keys reach the field.
        DigitsOnly,
    };

    QString windowName;
    QString caption;
    QSize clientSize;
    QColor gradientTop;
    QString banner;
    QSize bannerSize;
    QString prompt;
    QString fieldName;
    int maxLength = 0;
    Typing typing = Typing::UpperCaseTrimmed;
};

// A small modal window with one edit field and a "Controlla" button; the answer
// is a message, after which the window closes by itself.
class CheckWindow : public QDialog {
    Q_OBJECT

public:
    // Puts the text handed over by the registry card into the field. A text longer
    // than the field's maximum is kept whole, so that the check can call it too
    // long instead of judging a cut-down copy of it.
    void setFieldText(const QString& text);
    QString fieldText() const;

protected:
    CheckWindow(const CheckWindowLook& look, QWidget* parent);

    QLineEdit* field() const { return m_field; }

    // The window's check, run by "Controlla".
    virtual void btnControllaClick() = 0;

    // The length warning: the window stays open for the user to correct the text.
    void warnLength(const QString& text);
    // The verdict ends the window whichever way it went.
    void reportAndClose(MessageKind kind, const QString& text);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLabel* imgLogo = nullptr;
    QLabel* lblTitolo = nullptr;
    QPushButton* btnControlla = nullptr;
    QPushButton* btnChiudi = nullptr;

    void btnChiudiClick();
    bool filterFieldKey(QKeyEvent* key);
    void normaliseTypedText();
    void lowerLengthCeiling();

    CheckWindowLook m_look;
    QLineEdit* m_field = nullptr;
};

} // namespace lumidex
