#include "find/FindKeeper.h"

#include "find/FindFields.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/RecordSource.h"

#include <QMetaObject>
#include <QThreadPool>
#include <mutex>
#include <optional>
#include <utility>

namespace lumidex {

// An index made, or why it could not be, and the archive it was made from.
struct FindKeeper::Made {
    QString path;
    // Unknown (not existing) when the archive changed while it was read: the
    // index is then stale at once.
    ArchiveStamp stamp;
    std::shared_ptr<const FindIndex> index;
    std::optional<FailureCause> failure;
};

// Where a thread making an index hands it over: the keeper may be gone by then
// (its editor closed), and is told only while it lives.
struct FindKeeper::Inbox {
    std::mutex mutex;
    FindKeeper* keeper = nullptr;
};

FindKeeper::FindKeeper(const FindFields& fields, QObject* parent)
    : QObject(parent)
    , m_fields(fields)
    , m_inbox(std::make_shared<Inbox>())
{
    m_inbox->keeper = this;
}

FindKeeper::~FindKeeper()
{
    const std::lock_guard hold(m_inbox->mutex);
    m_inbox->keeper = nullptr;
}

void FindKeeper::refresh(const QString& path)
{
    if (m_making) {
        m_wanted = path;
        return;
    }
    const ArchiveStamp now = ArchiveStamp::of(path);
    if (m_state == State::Ready && path == m_path && now.exists && now == m_stamp)
        return;
    if (!now.exists) {
        m_index = std::make_shared<const FindIndex>();
        m_path = path;
        m_stamp = now;
        m_state = State::Ready;
        return;
    }
    start(path);
}

void FindKeeper::start(const QString& path)
{
    m_making = true;
    m_wanted.clear();
    m_state = State::Preparing;
    m_index.reset();
    // The fields go with the thread by value: it may outlive the keeper.
    QThreadPool::globalInstance()->start([inbox = m_inbox, path, fields = m_fields] {
        Made made { path, ArchiveStamp::of(path), {}, {} };
        try {
            made.index = std::make_shared<const FindIndex>(
                FindIndex::build(archiveRecords(Archive(path, *fields.layout)), fields));
        } catch (const ArchiveError& error) {
            made.failure = error.cause();
        } catch (const std::exception&) {
            // Out of memory, say: nothing the user is told more about.
            made.failure = FailureCause();
        }
        // A save during the visit may or may not be in the index: it is taken
        // as changed, and made again when next asked for.
        if (ArchiveStamp::of(path) != made.stamp)
            made.stamp = {};
        const std::lock_guard hold(inbox->mutex);
        if (FindKeeper* keeper = inbox->keeper)
            QMetaObject::invokeMethod(
                keeper, [keeper, made] { keeper->take(made); }, Qt::QueuedConnection);
    });
}

void FindKeeper::take(const Made& made)
{
    m_making = false;
    if (made.failure) {
        m_state = State::Failed;
        m_failure = *made.failure;
        m_index.reset();
    } else {
        m_state = State::Ready;
        m_failure = FailureCause();
        m_index = made.index;
    }
    m_path = made.path;
    m_stamp = made.stamp;
    // Taken out first: a new start empties it.
    if (const QString wanted = std::exchange(m_wanted, {}); !wanted.isEmpty())
        refresh(wanted);
    emit settled();
}

} // namespace lumidex
