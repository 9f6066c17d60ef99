#pragma once

#include <QString>

// The search windows' messages and count line.
namespace lumidex::searchtext {

QString emptyList();
QString countLine(qsizetype lines);

// The criteria panel's three lines of instructions.
QString criteriaLine1();
QString criteriaLine2();
QString criteriaLine3();
// Shown while the archive is read.
QString waiting();
// The buttons of both panels.
QString closeButton();
QString searchButton();
QString findButton();
QString printButton();
// The results panel's instructions.
QString resultsLine1();
QString resultsLine2();
QString resultsLine3();

} // namespace lumidex::searchtext
