#pragma once

class QString;
class QWidget;

namespace lumidex {

// The identity check windows, each opened on the text of the editor's field.
void checkCodFisc(QWidget* owner, const QString& text);
void checkPartitaIva(QWidget* owner, const QString& text);
void checkIban(QWidget* owner, const QString& text);

} // namespace lumidex
