#include "storage/CardPhoto.h"

#include "storage/PhotoFiles.h"

namespace lumidex {

namespace {

bool fitsIn(const QSize& size, const QSize& bound)
{
    return bound.isEmpty() || (size.width() <= bound.width() && size.height() <= bound.height());
}

} // namespace

void CardPhoto::setPlaceholder(const QImage& placeholder)
{
    m_placeholder = placeholder;
    if (m_showsPlaceholder)
        m_image = m_placeholder;
}

void CardPhoto::setShownSize(const QSize& pixels)
{
    if (pixels == m_shownSize)
        return;
    m_shownSize = pixels;
    if (m_bytes.isEmpty())
        return;
    const QImage shown = photofiles::pictureFromBytes(m_bytes, m_shownSize);
    if (!shown.isNull())
        m_image = shown;
}

void CardPhoto::showPlaceholder()
{
    forgetPhoto();
    m_image = m_placeholder;
    m_showsPlaceholder = true;
    m_protectsUnreadableFile = false;
}

void CardPhoto::forgetPhoto()
{
    m_image = QImage();
    m_bytes = QByteArray();
    m_bytesAreJpeg = false;
    m_wholeSize = QSize();
}

void CardPhoto::loadFromCard(const QString& photoPath)
{
    forgetPhoto();
    photofiles::KeptPicture picture = photofiles::keepPhoto(photoPath, m_shownSize);
    switch (picture.status) {
    case photofiles::DecodedPicture::Status::Loaded:
        show(std::move(picture));
        break;
    case photofiles::DecodedPicture::Status::Missing:
        showPlaceholder();
        break;
    case photofiles::DecodedPicture::Status::Unreadable:
        // The file may be a photo this program cannot decode, or one damaged in a
        // way another program can still repair: never replace it behind the
        // user's back.
        showPlaceholder();
        m_protectsUnreadableFile = true;
        break;
    }
}

bool CardPhoto::loadFromFile(const QString& path)
{
    forgetPhoto();
    photofiles::KeptPicture picture = photofiles::keepPicture(path, m_shownSize);
    if (picture.status != photofiles::DecodedPicture::Status::Loaded) {
        showPlaceholder();
        return false;
    }
    show(std::move(picture));
    return true;
}

CardPhoto::SaveResult CardPhoto::saveToCard(const QString& photoPath, FailureCause* cause) const
{
    if (m_protectsUnreadableFile)
        return SaveResult::LeftAlone;
    return writeTo(photoPath, true, cause) ? SaveResult::Written : SaveResult::Failed;
}

bool CardPhoto::exportTo(const QString& path, FailureCause* cause) const
{
    // The user picked an existing folder in the save dialog; nothing is created.
    return writeTo(path, false, cause);
}

bool CardPhoto::writeTo(const QString& path, bool createFolder, FailureCause* cause) const
{
    if (m_bytesAreJpeg)
        return photofiles::writePhoto(path, QImage(), m_bytes, createFolder, cause);
    if (!m_bytes.isEmpty()) {
        // A picture of another format (a bitmap, say) is stored as a JPEG of its
        // whole size, decoded whole only now.
        const QImage whole = photofiles::pictureFromBytes(m_bytes, QSize());
        return photofiles::writePhoto(path, whole.isNull() ? m_image : whole, {}, createFolder, cause);
    }
    return photofiles::writePhoto(path, m_image, {}, createFolder, cause);
}

QImage CardPhoto::pictureFitting(const QSize& bound) const
{
    if (m_bytes.isEmpty()) {
        if (m_image.isNull() || fitsIn(m_image.size(), bound))
            return m_image;
        return m_image.scaled(bound, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    // The picture shown is the whole photo and the view takes it at that size.
    if (m_image.size() == m_wholeSize && fitsIn(m_wholeSize, bound))
        return m_image;
    const QImage picture = photofiles::pictureFromBytes(m_bytes, bound);
    return picture.isNull() ? m_image : picture;
}

void CardPhoto::show(photofiles::KeptPicture&& picture)
{
    m_image = std::move(picture.image);
    m_bytes = std::move(picture.bytes);
    m_bytesAreJpeg = picture.jpeg;
    m_wholeSize = picture.wholeSize;
    m_showsPlaceholder = false;
    m_protectsUnreadableFile = false;
}

} // namespace lumidex
