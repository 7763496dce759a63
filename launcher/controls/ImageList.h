#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace controls {

// A keyed store of skin pictures. Pictures are QPixmaps, which share their
// pixels implicitly: storing one and handing it to any number of panels costs
// no copy.
class ImageList {
public:
    enum class AddResult {
        Added,
        DuplicateKey, // the key is taken; the stored picture is unchanged
        EmptyKey,
        NullPicture, // typically a file that failed to load
    };

    // Adds `picture` under `key`. Keys match exactly, letter case included.
    // Never replaces: a key already present is refused, which lets a loader
    // that runs again detect pictures it stored on its first run.
    AddResult add(const QString& key, const QPixmap& picture);

    // The picture under `key`, or a null QPixmap when the key is not held;
    // callers check isNull(). A null picture handed to a panel removes the
    // panel's picture, so a missing skin image shows as "no picture" rather
    // than as a stale one.
    QPixmap picture(const QString& key) const;

    bool contains(const QString& key) const { return m_pictures.contains(key); }
    int count() const { return static_cast<int>(m_keys.size()); }
    bool isEmpty() const { return m_keys.isEmpty(); }

    // Keys in the order they were added.
    const QStringList& keys() const { return m_keys; }

    void clear();

    // A one-line explanation of a failed add, naming the key.
    static QString describe(AddResult result, const QString& key);

private:
    QHash<QString, QPixmap> m_pictures;
    QStringList m_keys;
};

} // namespace controls
