// What the words check must refuse and what it must let pass, one of each kind.
// Not compiled: the check reads it as text.
void probe(QLabel* label, QWidget* window)
{
    // A word, alone and split over two literals.
    label->setText(QStringLiteral("Salva la scheda."));
    label->setToolTip(QStringLiteral("Premere "
                                     "OK"));
    // Names, styles, paths and formats: never words.
    window->setObjectName(QStringLiteral("frmProva"));
    label->setObjectName(QStringLiteral("Etichetta"));
    window->setStyleSheet(QStringLiteral("QLabel { color: #1F3F66; }"));
    label->setPixmap(QPixmap(QStringLiteral(":/icons/salva.svg")));
    label->setText(QStringLiteral("%1 / %2"));
    label->setText(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    QFont face(QStringLiteral("Verdana"));
    // "Parola" in a comment is no literal.
}
