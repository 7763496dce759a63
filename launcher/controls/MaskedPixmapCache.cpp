#include "launcher/controls/MaskedPixmapCache.h"

#include "launcher/controls/MaskColour.h"

namespace controls {

MaskedPixmapCache::MaskedPixmapCache(int capacity)
    : m_capacity(capacity)
{
    Q_ASSERT(capacity > 0);
}

QPixmap MaskedPixmapCache::masked(const QPixmap& source)
{
    if (source.isNull())
        return {};
    // cacheKey identifies the pixel data: implicit copies share it, and any
    // change to the pixels gives a new key, so a stale entry is never hit.
    const qint64 key = source.cacheKey();
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].key == key) {
            if (i > 0)
                m_entries.move(i, 0);
            return m_entries.front().masked;
        }
    }
    int keyedOut = 0;
    const QImage image = withMaskColourTransparent(source.toImage(), kMaskColour, &keyedOut);
    QPixmap result = keyedOut == 0 ? source : QPixmap::fromImage(image);
    result.setDevicePixelRatio(source.devicePixelRatio());
    m_entries.prepend({key, result});
    if (m_entries.size() > m_capacity)
        m_entries.removeLast();
    return result;
}

} // namespace controls
