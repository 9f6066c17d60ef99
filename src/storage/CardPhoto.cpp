#include "storage/CardPhoto.h"

#include "storage/PhotoFiles.h"

namespace lumidex {

void CardPhoto::setPlaceholder(const QImage& placeholder)
{
    m_placeholder = placeholder;
    if (m_showsPlaceholder)
        m_image = m_placeholder;
}

void CardPhoto::showPlaceholder()
{
    m_image = m_placeholder;
    m_jpegBytes.clear();
    m_showsPlaceholder = true;
    m_protectsUnreadableFile = false;
}

void CardPhoto::loadFromCard(const QString& photoPath)
{
    const photofiles::DecodedPicture picture = photofiles::loadPhoto(photoPath);
    switch (picture.status) {
    case photofiles::DecodedPicture::Status::Loaded:
        show(picture.image, picture.jpegBytes);
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
    const photofiles::DecodedPicture picture = photofiles::decodePicture(path);
    if (picture.status != photofiles::DecodedPicture::Status::Loaded) {
        showPlaceholder();
        return false;
    }
    show(picture.image, picture.jpegBytes);
    return true;
}

CardPhoto::SaveResult CardPhoto::saveToCard(const QString& photoPath, QString* reason) const
{
    if (m_protectsUnreadableFile)
        return SaveResult::LeftAlone;
    return photofiles::writePhoto(photoPath, m_image, m_jpegBytes, true, reason) ? SaveResult::Written
                                                                                 : SaveResult::Failed;
}

bool CardPhoto::exportTo(const QString& path, QString* reason) const
{
    // The user picked an existing folder in the save dialog; nothing is created.
    return photofiles::writePhoto(path, m_image, m_jpegBytes, false, reason);
}

QImage CardPhoto::pictureFitting(const QSize& bound) const
{
    if (m_image.isNull() || bound.isEmpty()
        || (m_image.width() <= bound.width() && m_image.height() <= bound.height()))
        return m_image;
    return m_image.scaled(bound, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void CardPhoto::show(const QImage& image, const QByteArray& jpegBytes)
{
    m_image = image;
    m_jpegBytes = jpegBytes;
    m_showsPlaceholder = false;
    m_protectsUnreadableFile = false;
}

} // namespace lumidex
