#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

namespace lumidex {

// The start menu, the hub of the program: every picture leads somewhere, and
// leaving it ends the program.
class TfrmAvvio : public QWidget {
    Q_OBJECT
public:
    explicit TfrmAvvio(const QString& programDir, QWidget* parent = nullptr);

signals:
    // Where the user wants to go; the window set shows the target and hides the menu.
    void registryRequested();
    void womenBooksRequested();
    void menBooksRequested();
    // The menu was closed, by its exit picture or its title bar: the program ends
    // (once a backup that is due has been offered).
    void closed();

public slots:
    void imgInfoClick();
    void imgCopyrightClick();
    void imgGuidaClick();
    void imgSitoClick();
    void imgEsciClick();
    void imgCopiaClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QToolButton* imgInfo = nullptr;
    QLabel* imgIcona = nullptr;
    QLabel* imgTitolo = nullptr;
    QToolButton* imgGuida = nullptr;
    QLabel* imgSottotitolo = nullptr;
    QToolButton* imgAnagrafica = nullptr;
    QToolButton* imgDonne = nullptr;
    QToolButton* imgUomini = nullptr;
    QWidget* linSepara01 = nullptr;
    QWidget* linSepara02 = nullptr;
    QToolButton* btnAnagrafica = nullptr;
    QToolButton* btnDonne = nullptr;
    QToolButton* btnUomini = nullptr;
    QToolButton* appAnagrafica = nullptr;
    QToolButton* appDonne = nullptr;
    QToolButton* appUomini = nullptr;
    QToolButton* imgSito = nullptr;
    QToolButton* imgCopyright = nullptr;
    QToolButton* imgEsci = nullptr;

    QWidget* buildSheet();

    QString m_programDir;
    // The backup window; tests find it by its name.
    QToolButton* imgCopia = nullptr;
};

} // namespace lumidex
