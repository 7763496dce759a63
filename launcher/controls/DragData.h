#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

class QMimeData;

namespace controls {

// What a drag carries, as the launcher's drop handlers read it: only lists of
// local files count. It is a snapshot, so it stays valid after the drag that
// produced it has ended.
class DragData {
public:
    // The format number that asks for "a list of files".
    static constexpr int kFormatFiles = 15;

    DragData() = default;
    explicit DragData(const QMimeData* mime);
    explicit DragData(QStringList files);

    // True for kFormatFiles when at least one local file is carried; every
    // other format number answers false.
    bool getFormat(int format) const;

    int fileCount() const { return static_cast<int>(m_files.size()); }

    // Files are numbered from 1. An index outside 1 .. fileCount() gives an
    // empty text.
    QString file(int index) const;

    const QStringList& files() const { return m_files; }

private:
    QStringList m_files;
};

} // namespace controls

Q_DECLARE_METATYPE(controls::DragData)
