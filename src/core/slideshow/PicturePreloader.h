#pragma once

#include "storage/PhotoFiles.h"

#include <QDateTime>
#include <QSize>
#include <QString>
#include <future>
#include <optional>

namespace lumidex {

// Decodes the photo a slideshow shows next while the current one is on screen, so
// that the switch at the next tick costs no decoding even for a camera file of 45
// megapixels. It only reads a picture file; the archive, the windows and the
// messages stay on the one thread of the program. One decode at a time.
class PicturePreloader {
public:
    PicturePreloader() = default;
    PicturePreloader(const PicturePreloader&) = delete;
    PicturePreloader& operator=(const PicturePreloader&) = delete;
    // Waits for a decode under way: its file may still be open.
    ~PicturePreloader();

    // Starts decoding `path` at no more than `bound` pixels, after waiting for the
    // previous decode.
    void preload(const QString& path, const QSize& bound);

    // The picture of `path` at `bound`: the one decoded ahead when it was for this
    // file and the file has not changed since, otherwise decoded now.
    photofiles::DecodedPicture take(const QString& path, const QSize& bound);

    // Waits until the picture decoded ahead is ready.
    void wait();

private:
    // What the file was like when its decode began.
    struct Stamp {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp stampOf(const QString& path);

    struct Job {
        QString path;
        QSize bound;
        Stamp stamp;
        std::future<photofiles::DecodedPicture> result;
    };
    std::optional<Job> m_job;
};

} // namespace lumidex
