#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QWidget;

namespace lumidex {

class TfrmAnagrafica;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmPassword;

// The program's screen windows, created once in a fixed order and only ever shown
// and hidden, and every rule by which one hands over to the next. Exactly one
// screen is visible at a time; a move shows the target before it hides the source.
class WindowSet : public QObject {
    Q_OBJECT
public:
    explicit WindowSet(const QString& programDir, QObject* parent = nullptr);
    ~WindowSet() override;

    const QString& programDir() const { return m_programDir; }

    // Shows the first screen.
    void start();

    TfrmPassword* frmPassword() const { return m_password.get(); }
    TfrmAvvio* frmAvvio() const { return m_avvio.get(); }
    TfrmCambiaPassword* frmCambiaPassword() const { return m_cambiaPassword.get(); }
    TfrmAnagrafica* frmAnagrafica() const { return m_anagrafica.get(); }

    // The one visible screen window, if any.
    QWidget* visibleScreen() const;

signals:
    // The program is ending (the start menu's exit or close, or the login's "Esci").
    void terminated();

private:
    void showScreen(QWidget* screen);
    void handOver(QWidget* target, QWidget* source);
    void terminate();
    QList<QWidget*> screens() const;

    QString m_programDir;
    std::unique_ptr<TfrmPassword> m_password;
    std::unique_ptr<TfrmAvvio> m_avvio;
    std::unique_ptr<TfrmCambiaPassword> m_cambiaPassword;
    std::unique_ptr<TfrmAnagrafica> m_anagrafica;
};

} // namespace lumidex
