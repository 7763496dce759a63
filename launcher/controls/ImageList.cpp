#include "launcher/controls/ImageList.h"

namespace controls {

ImageList::AddResult ImageList::add(const QString& key, const QPixmap& picture)
{
    if (key.isEmpty())
        return AddResult::EmptyKey;
    if (picture.isNull())
        return AddResult::NullPicture;
    if (m_pictures.contains(key))
        return AddResult::DuplicateKey;
    m_pictures.insert(key, picture);
    m_keys.append(key);
    return AddResult::Added;
}

QPixmap ImageList::picture(const QString& key) const
{
    return m_pictures.value(key);
}

void ImageList::clear()
{
    m_pictures.clear();
    m_keys.clear();
}

QString ImageList::describe(AddResult result, const QString& key)
{
    switch (result) {
    case AddResult::Added: return QStringLiteral("picture \"%1\" added").arg(key);
    case AddResult::DuplicateKey: return QStringLiteral("a picture with the key \"%1\" is already stored").arg(key);
    case AddResult::EmptyKey: return QStringLiteral("a picture needs a key");
    case AddResult::NullPicture: return QStringLiteral("no picture to store under \"%1\" (the file did not load)").arg(key);
    }
    return {};
}

} // namespace controls
