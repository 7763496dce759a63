#include "launcher/controls/DragData.h"

#include <QMimeData>
#include <QUrl>

namespace controls {

DragData::DragData(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls())
        return;
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile())
            m_files.append(url.toLocalFile());
    }
}

DragData::DragData(QStringList files)
    : m_files(std::move(files))
{
}

bool DragData::getFormat(int format) const
{
    return format == kFormatFiles && !m_files.isEmpty();
}

QString DragData::file(int index) const
{
    if (index < 1 || index > fileCount())
        return {};
    return m_files.at(index - 1);
}

} // namespace controls
