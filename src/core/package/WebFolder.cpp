#include "package/WebFolder.h"

#include "package/SafeNames.h"
#include "package/WebPages.h"
#include "storage/SafeWrite.h"
#include "texts/FailureTexts.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

namespace lumidex::package {

WebFolder::~WebFolder()
{
    if (!m_kept && !m_path.isEmpty())
        QDir(m_path).removeRecursively();
}

bool WebFolder::create(const QString& parentDir, const QString& base, FailureCause* cause)
{
    errno = 0;
    m_path = createFreeFolder(parentDir, base);
    if (m_path.isEmpty() && cause)
        *cause = FailureCause::fromErrno(QStringLiteral("Cannot create a folder in %1").arg(parentDir));
    return !m_path.isEmpty();
}

WebOutcome WebFolder::finish(const QByteArray& indexPage)
{
    WebOutcome outcome;
    if (!write(QString::fromLatin1(styleSheetName), styleSheet(), &outcome.cause)
        || !write(QStringLiteral("index.html"), indexPage, &outcome.cause))
        return outcome;
    m_kept = true;
    outcome.status = WebOutcome::Status::Done;
    outcome.folder = m_path;
    return outcome;
}

bool WebFolder::write(const QString& relativePath, QByteArrayView contents, FailureCause* cause)
{
    const QString path = m_path + QLatin1Char('/') + relativePath;
    const QString folder = QFileInfo(path).absolutePath();
    errno = 0;
    if (!QDir().mkpath(folder)) {
        if (cause)
            *cause = FailureCause::fromErrno(QStringLiteral("Cannot create the folder %1").arg(folder));
        return false;
    }
    return safewrite::replaceFile(path, contents, cause);
}

} // namespace lumidex::package
