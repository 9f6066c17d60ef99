// The rule for a test that needs a program of the system (pdftotext and pdftoppm,
// LibreOffice, Chromium) to read back what Lumidex wrote. On a developer's machine
// without it the test is skipped, and says so; under CI (CI=true) it fails: a CI
// that skips what it cannot check goes green without checking it, and
// scripts/install-deps installs every one of them.
#pragma once

#include <QString>
#include <QTest>

namespace lumidex::test {

// Whether a missing tool fails the test: the environment variable CI is "true".
bool toolsAreRequired();
// What the test reports when `tool` (its name and the Debian package that has it)
// is missing: the failure under CI, the skip elsewhere.
QString missingToolMessage(const QString& tool);

} // namespace lumidex::test

// Ends the test function unless `available`: with QFAIL under CI, with QSKIP
// elsewhere. In initTestCase() it ends the whole test either way.
#define LUMIDEX_REQUIRE_TOOL(available, tool)                                                                          \
    do {                                                                                                               \
        if (!(available)) {                                                                                            \
            const QString lumidexMissing = lumidex::test::missingToolMessage(tool);                                    \
            if (lumidex::test::toolsAreRequired())                                                                     \
                QFAIL(qPrintable(lumidexMissing));                                                                     \
            QSKIP(qPrintable(lumidexMissing));                                                                         \
        }                                                                                                              \
    } while (false)
