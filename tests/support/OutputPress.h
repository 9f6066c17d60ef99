// How a test leaves a window that prints or previews (the card, the comp card,
// the contact sheet), and the outcome the interaction reports; shared so that the
// tests of those windows, compiled in one batch, declare each meta-type once.
#pragma once

#include "ui/Interaction.h"

#include <QMetaType>

namespace lumidex::test {

enum class OutputPress { Stampa, Anteprima, Annulla };

} // namespace lumidex::test

Q_DECLARE_METATYPE(lumidex::test::OutputPress)
Q_DECLARE_METATYPE(lumidex::ReportOutcome)
