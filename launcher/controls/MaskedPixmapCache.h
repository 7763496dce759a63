#pragma once

#include <QList>
#include <QPixmap>

namespace controls {

// Remembers the mask-keyed versions of the last pictures shown. Buttons cycle
// through a handful of state pictures on every hover and press, so keying each
// picture once keeps the pointer's path free of pixel scans.
class MaskedPixmapCache {
public:
    explicit MaskedPixmapCache(int capacity = 8);

    // `source` with its mask-coloured pixels transparent; `source` itself when
    // it has none (drawing it stays an opaque blit). Null gives null.
    QPixmap masked(const QPixmap& source);

    int size() const { return static_cast<int>(m_entries.size()); }
    void clear() { m_entries.clear(); }

private:
    struct Entry {
        qint64 key;
        QPixmap masked;
    };
    int m_capacity;
    QList<Entry> m_entries; // most recently used first
};

} // namespace controls
