#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QWidget;

namespace lumidex {

class BookCreation;
class BookEditor;
class BookMenu;
class BookOpening;
class TfrmAnagrafica;
class TfrmApriDonne;
class TfrmApriUomini;
class TfrmAvvio;
class TfrmBookDonne;
class TfrmBookUomini;
class TfrmCambiaPassword;
class TfrmCreaDonne;
class TfrmCreaUomini;
class TfrmMenuDonne;
class TfrmMenuUomini;
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
    TfrmMenuDonne* frmMenuDonne() const { return m_menuDonne.get(); }
    TfrmCreaDonne* frmCreaDonne() const { return m_creaDonne.get(); }
    TfrmApriDonne* frmApriDonne() const { return m_apriDonne.get(); }
    TfrmBookDonne* frmBookDonne() const { return m_bookDonne.get(); }
    TfrmCreaUomini* frmCreaUomini() const { return m_creaUomini.get(); }
    TfrmApriUomini* frmApriUomini() const { return m_apriUomini.get(); }
    TfrmMenuUomini* frmMenuUomini() const { return m_menuUomini.get(); }
    TfrmBookUomini* frmBookUomini() const { return m_bookUomini.get(); }
    TfrmAnagrafica* frmAnagrafica() const { return m_anagrafica.get(); }

    // The one visible screen window, if any.
    QWidget* visibleScreen() const;

signals:
    // The program is ending (the start menu's exit or close, or the login's "Esci").
    void terminated();

private:
    void showScreen(QWidget* screen);
    void handOver(QWidget* target, QWidget* source);
    // The hand-overs among one side's book windows, the same for both sides.
    void connectBookSide(BookMenu* menu, BookCreation* creation, BookOpening* opening, BookEditor* editor);
    void terminate();
    QList<QWidget*> screens() const;

    QString m_programDir;
    std::unique_ptr<TfrmPassword> m_password;
    std::unique_ptr<TfrmAvvio> m_avvio;
    std::unique_ptr<TfrmCambiaPassword> m_cambiaPassword;
    std::unique_ptr<TfrmMenuDonne> m_menuDonne;
    std::unique_ptr<TfrmCreaDonne> m_creaDonne;
    std::unique_ptr<TfrmApriDonne> m_apriDonne;
    std::unique_ptr<TfrmBookDonne> m_bookDonne;
    std::unique_ptr<TfrmCreaUomini> m_creaUomini;
    std::unique_ptr<TfrmApriUomini> m_apriUomini;
    std::unique_ptr<TfrmMenuUomini> m_menuUomini;
    std::unique_ptr<TfrmBookUomini> m_bookUomini;
    std::unique_ptr<TfrmAnagrafica> m_anagrafica;
};

} // namespace lumidex
