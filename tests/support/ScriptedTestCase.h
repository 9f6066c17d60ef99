#pragma once

#include "support/ScriptedInteraction.h"
#include "support/TestHelpers.h"

#include <QObject>
#include <QTemporaryDir>
#include <memory>

namespace lumidex::test {

// A test of windows: each test function gets a fresh program folder and a
// scripted user, and whatever modal window a failing test left behind is closed.
class ScriptedTestCase : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ScriptedInteraction> user;

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        user = std::make_unique<ScriptedInteraction>();
    }

    void cleanup()
    {
        closeModalLeftovers();
        user.reset();
        dir.reset();
    }
};

} // namespace lumidex::test
