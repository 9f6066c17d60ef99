#include "common/FailureCause.h"

#include "texts/FailureTexts.h"

#include <QFileInfo>
#include <cerrno>

namespace lumidex {

FailureCause FailureCause::fromSystem(int error, QString detail)
{
    FailureCause cause;
    cause.m_kind = error != 0 ? Kind::System : Kind::Unknown;
    cause.m_error = error;
    cause.m_detail = std::move(detail);
    return cause;
}

FailureCause FailureCause::fromErrno(QString detail)
{
    return fromSystem(errno, std::move(detail));
}

FailureCause FailureCause::lockedElsewhere(QString detail)
{
    FailureCause cause;
    cause.m_kind = Kind::LockedElsewhere;
    cause.m_detail = std::move(detail);
    return cause;
}

FailureCause FailureCause::described(QString words)
{
    FailureCause cause;
    cause.m_kind = Kind::Described;
    cause.m_detail = std::move(words);
    return cause;
}

QString FailureCause::words() const
{
    switch (m_kind) {
    case Kind::Unknown:
        return {};
    case Kind::Described:
        return m_detail;
    case Kind::LockedElsewhere:
        return failuretext::lockedElsewhere();
    case Kind::System:
        break;
    }
    switch (m_error) {
    case ENOSPC:
    case EDQUOT:
        return failuretext::noRoom();
    case EACCES:
    case EPERM:
    case EROFS:
        return failuretext::accessDenied();
    case EIO:
        return failuretext::diskError();
    case ENOENT:
        return failuretext::notFound();
    case EFBIG:
        return failuretext::fileTooLarge();
    case ENAMETOOLONG:
        return failuretext::nameTooLong();
    case EISDIR:
    case ENOTDIR:
    // Making a folder where a file of that name stands.
    case EEXIST:
        return failuretext::folderInTheWay();
    case EMFILE:
    case ENFILE:
        return failuretext::tooManyOpenFiles();
    case ENOTCONN:
    case ETIMEDOUT:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETDOWN:
    case ENETUNREACH:
    case ESTALE:
    case ECONNRESET:
        return failuretext::shareUnreachable();
    default:
        return failuretext::otherSystemError(m_error);
    }
}

FailureCause fileFailure(const QString& path, int error, QString detail)
{
    if (error == 0) {
        const QFileInfo info(path);
        if (info.isDir())
            error = EISDIR;
        else if (!info.exists() && !info.isSymLink())
            error = ENOENT;
    }
    return FailureCause::fromSystem(error, std::move(detail));
}

QString withCause(const QString& message, const FailureCause& cause)
{
    const QString words = cause.words();
    if (words.isEmpty())
        return message;
    return message + QStringLiteral("\r\n\r\n") + words;
}

} // namespace lumidex
