#pragma once

#include "common/FailureCause.h"
#include "find/ArchiveStamp.h"
#include "find/FindIndex.h"

#include <QObject>
#include <QString>
#include <memory>

namespace lumidex {

struct FindFields;

// The find index of the archive an editor works on, kept as the archive is:
// made on a thread of its own, and made again once the archive has changed
// (a card saved here or from another computer). One index is made at a time.
class FindKeeper : public QObject {
    Q_OBJECT
public:
    enum class State {
        // The index is being made; nothing can be found until it is.
        Preparing,
        Ready,
        // The archive could not be read: failure() says why.
        Failed,
    };

    explicit FindKeeper(const FindFields& fields, QObject* parent = nullptr);
    ~FindKeeper() override;

    // Looks at the archive at `path`: an index made from it as it is now is
    // kept; otherwise a new one is started (after the one being made, if
    // any). An archive that could not be read is tried again. No archive at
    // all has no cards.
    void refresh(const QString& path);

    State state() const { return m_state; }
    // The index, while the state is Ready.
    const FindIndex* index() const { return m_state == State::Ready ? m_index.get() : nullptr; }
    const FailureCause& failure() const { return m_failure; }

signals:
    // An index was made, or could not be: the state is no longer Preparing,
    // unless the archive changed again meanwhile and a new one is on its way.
    void settled();

private:
    struct Made;
    struct Inbox;
    void start(const QString& path);
    void take(const Made& made);

    const FindFields& m_fields;
    std::shared_ptr<Inbox> m_inbox;
    State m_state = State::Preparing;
    std::shared_ptr<const FindIndex> m_index;
    FailureCause m_failure;
    // What the index held is made from.
    QString m_path;
    ArchiveStamp m_stamp;
    bool m_making = false;
    // What was asked for while an index was being made.
    QString m_wanted;
};

} // namespace lumidex
