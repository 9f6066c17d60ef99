#include "slideshow/PicturePreloader.h"

#include <QFileInfo>

namespace lumidex {

PicturePreloader::~PicturePreloader()
{
    wait();
}

PicturePreloader::Stamp PicturePreloader::stampOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return { true, info.size(), info.lastModified() };
}

void PicturePreloader::wait()
{
    if (m_job && m_job->result.valid())
        m_job->result.wait();
}

void PicturePreloader::preload(const QString& path, const QSize& bound)
{
    wait();
    // Stamped before the decode begins: a file written while it is decoded reads
    // as changed when the picture is taken.
    Job job { path, bound, stampOf(path), {} };
    job.result
        = std::async(std::launch::async, [path, bound] { return photofiles::decodePictureFitting(path, bound); });
    m_job = std::move(job);
}

photofiles::DecodedPicture PicturePreloader::take(const QString& path, const QSize& bound)
{
    std::optional<Job> job = std::move(m_job);
    m_job.reset();
    if (job) {
        // Waited for in every case, so that no two decodes ever run together.
        photofiles::DecodedPicture ahead = job->result.get();
        if (job->path == path && job->bound == bound && job->stamp == stampOf(path))
            return ahead;
    }
    return photofiles::decodePictureFitting(path, bound);
}

} // namespace lumidex
