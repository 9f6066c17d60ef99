// Every Q_DECLARE_METATYPE of the tests, in one place. The test programs compile
// their sources in batches (cmake/LumidexUnity.cmake), one file after another in
// one compiler run: a file that carries a type in its rows (QTest::addColumn,
// QFETCH) before the declaration is seen makes Qt's QMetaTypeId of that type,
// and a later file's declaration is then a "specialization after instantiation"
// that stops the build, in whichever batch and build type the two files meet.
// So a type is declared here and nowhere else, and a test source whose rows
// carry one of these types includes this header itself (tst_filelocalnames
// holds both rules).
//
// A type of a test's own file (an enum in its anonymous namespace) needs no
// declaration: Qt 6 carries any copyable type in a test's rows, and no other
// file can name it.
#pragma once

#include "help/HelpPages.h"
#include "kinds/ArchiveKind.h"
#include "package/WebFolder.h"
#include "report/CompCardLayout.h"
#include "report/PrintableReport.h"
#include "slideshow/SlideshowStep.h"
#include "support/DiskFaults.h"

#include <QMetaType>

Q_DECLARE_METATYPE(lumidex::ArchiveKind)
Q_DECLARE_METATYPE(lumidex::HelpPage)
Q_DECLARE_METATYPE(lumidex::PaintOutcome)
Q_DECLARE_METATYPE(lumidex::SlideshowStep::Kind)
Q_DECLARE_METATYPE(lumidex::package::WebOutcome::Status)
Q_DECLARE_METATYPE(lumidex::report::CompCardPaper)
Q_DECLARE_METATYPE(lumidex::test::DiskFault)
Q_DECLARE_METATYPE(Qt::Alignment)

// The window tests' types: the core tests' include path has no window header.
#if __has_include("ui/Interaction.h")
#include "support/OutputPress.h"
#include "ui/Interaction.h"

Q_DECLARE_METATYPE(lumidex::Answer)
Q_DECLARE_METATYPE(lumidex::MessageKind)
Q_DECLARE_METATYPE(lumidex::ReportOutcome)
Q_DECLARE_METATYPE(lumidex::test::OutputPress)
#endif
