#pragma once

#include <QString>

namespace lumidex {

// Why an operation on a file failed, as the user is told it: the system's answer
// (an error number) or the archive kept by another computer. The technical
// detail (the system's own words, the file's path) is kept beside it for
// diagnostics and tests; the user reads words().
class FailureCause {
public:
    // Nothing known: a message goes out as it is.
    FailureCause() = default;
    static FailureCause fromSystem(int error, QString detail = {});
    // The errno of the moment.
    static FailureCause fromErrno(QString detail = {});
    static FailureCause lockedElsewhere(QString detail = {});
    // A cause of the program's own, in words from the texts.
    static FailureCause described(QString words);

    bool isKnown() const { return m_kind != Kind::Unknown; }
    bool isLockedElsewhere() const { return m_kind == Kind::LockedElsewhere; }
    // 0 unless the system gave the cause.
    int systemError() const { return m_kind == Kind::System ? m_error : 0; }
    const QString& detail() const { return m_detail; }

    // One sentence in Italian; empty when nothing is known.
    QString words() const;

private:
    enum class Kind { Unknown, System, LockedElsewhere, Described };
    Kind m_kind = Kind::Unknown;
    int m_error = 0;
    QString m_detail;
};

// The cause of a failure on the file at `path` that Qt reports only in words
// (`detail`): `error` is errno after the call. Qt finds some causes itself without
// asking the system (a folder where a file should be), and errno then says
// nothing; they are found again here.
FailureCause fileFailure(const QString& path, int error, QString detail);

// `message` with the cause's words on a paragraph of their own; the message alone
// when nothing is known.
QString withCause(const QString& message, const FailureCause& cause);

} // namespace lumidex
