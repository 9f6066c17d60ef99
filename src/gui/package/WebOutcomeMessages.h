#pragma once

#include "package/WebFolder.h"

#include <QString>
#include <functional>

class QWidget;

namespace lumidex {

// The words of one kind of web folder: how its work is named in the progress
// window, and what the user is told at its end.
struct WebOutcomeTexts {
    QString progress;
    QString cancelled;
    std::function<QString(const QString& reason)> failed;
    std::function<QString(const QString& folder)> done;
};

// Runs `work` (which writes a web folder of `count` items) under a progress
// window with "Annulla" over `owner`, then tells the user how it ended; a folder
// made is offered to the browser.
void makeWebFolder(QWidget* owner, const WebOutcomeTexts& texts, int count,
    const std::function<package::WebOutcome(const package::WorkStep& step)>& work);

} // namespace lumidex
