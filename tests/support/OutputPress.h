// How a test leaves a window that prints or previews (the card, the comp card,
// the contact sheet), shared by the tests of those windows; its meta-type is
// declared in support/TestMetaTypes.h with the others.
#pragma once

namespace lumidex::test {

enum class OutputPress { Stampa, Anteprima, Annulla };

} // namespace lumidex::test
