#pragma once

#include "support/ScriptedInteraction.h"
#include "support/TestHelpers.h"

#include <QObject>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace lumidex::test {

// A test of windows: each test function gets a fresh program folder and a
// scripted user, and whatever modal window a failing test left behind is closed.
//
// A test builds what every function needs (its windows, files in the folder) in
// setUp(), which runs once the folder and the user exist, and drops it in
// tearDown(), which runs after the leftovers are closed and before the user and
// the folder go. QtTest runs the most derived slot of a name, so init() and
// cleanup() are final: a test that declared its own would quietly run without a
// folder and a user; this way it does not compile.
class ScriptedTestCase : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ScriptedInteraction> user;

    // Not slots: QtTest would run a slot as a test function of its own.
    virtual void setUp() { }
    virtual void tearDown() { }

private slots:
    virtual void init() final
    {
        QVERIFY2(metaObject()->indexOfSlot("setUp()") < 0 && metaObject()->indexOfSlot("tearDown()") < 0,
            "setUp() and tearDown() are run around each test function, not as test functions");
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        user = std::make_unique<ScriptedInteraction>();
        setUp();
    }

    virtual void cleanup() final
    {
        closeModalLeftovers();
        tearDown();
        user.reset();
        dir.reset();
    }
};

} // namespace lumidex::test
