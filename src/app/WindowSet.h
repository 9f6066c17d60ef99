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
//
// The login window is built first and shown at once; the other screens are built
// after it has painted, one at a time in the order of the window table, so that
// the user sees the program start without waiting for windows not yet needed.
// A screen asked for before its turn has the set built at once.
class WindowSet : public QObject {
    Q_OBJECT
public:
    // The screens of the window table.
    static constexpr int screenCount = 12;

    explicit WindowSet(const QString& programDir, QObject* parent = nullptr);
    ~WindowSet() override;

    const QString& programDir() const { return m_programDir; }

    // Shows the first screen; the others follow once it has painted.
    void start();
    // Builds at once the screens not built yet, in the order of the table, and
    // connects their hand-overs.
    void buildAll();
    // The screens built so far, in the order they were built.
    const QList<QWidget*>& builtScreens() const { return m_screens; }

    TfrmPassword* frmPassword() const { return m_password.get(); }
    // Each of these has the whole set built first.
    TfrmAvvio* frmAvvio() { return built(m_avvio); }
    TfrmCambiaPassword* frmCambiaPassword() { return built(m_cambiaPassword); }
    TfrmMenuDonne* frmMenuDonne() { return built(m_menuDonne); }
    TfrmCreaDonne* frmCreaDonne() { return built(m_creaDonne); }
    TfrmApriDonne* frmApriDonne() { return built(m_apriDonne); }
    TfrmBookDonne* frmBookDonne() { return built(m_bookDonne); }
    TfrmCreaUomini* frmCreaUomini() { return built(m_creaUomini); }
    TfrmApriUomini* frmApriUomini() { return built(m_apriUomini); }
    TfrmMenuUomini* frmMenuUomini() { return built(m_menuUomini); }
    TfrmBookUomini* frmBookUomini() { return built(m_bookUomini); }
    TfrmAnagrafica* frmAnagrafica() { return built(m_anagrafica); }

    // The one visible screen window, if any.
    QWidget* visibleScreen() const;

signals:
    // The program is ending (the start menu's exit or close, or the login's "Esci").
    void terminated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <class Window> Window* built(const std::unique_ptr<Window>& window)
    {
        buildAll();
        return window.get();
    }
    template <class Window> QWidget* make(std::unique_ptr<Window>& window)
    {
        window = std::make_unique<Window>(m_programDir);
        return window.get();
    }
    // Builds the next screen of the table; once the last is built, connects them.
    void buildNext();
    // The next screen on a later turn of the event loop, so that the login keeps
    // answering the keyboard between two screens.
    void buildNextLater();
    void connectLogin();
    void connectScreens();
    void showScreen(QWidget* screen);
    void handOver(QWidget* target, QWidget* source);
    // The hand-overs among one side's book windows, the same for both sides.
    void connectBookSide(BookMenu* menu, BookCreation* creation, BookOpening* opening, BookEditor* editor);
    void terminate();
    // Tells the user, once, that the archives are used without locks.
    void tellArchivesUnlockable();

    QString m_programDir;
    // The screens built so far, in table order.
    QList<QWidget*> m_screens;
    bool m_buildingStarted = false;
    bool m_toldArchivesUnlockable = false;
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
