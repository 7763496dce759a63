#include "platform/desktop/FontTable.h"

#include "platform/files/BoundedFileReader.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QString>

namespace platform {

void QtFontTable::add(const std::string& fontFile)
{
    if (m_ids.count(fontFile))
        return;
    std::string bytes;
    if (std::string problem = BoundedFileReader(readLimits::kFontBytes).read(fontFile, bytes); !problem.empty()) {
        reportSkippedFile(problem);
        return;
    }
    const int id = QFontDatabase::addApplicationFontFromData(
        QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (id >= 0)
        m_ids[fontFile] = id;
}

void QtFontTable::remove(const std::string& fontFile)
{
    auto it = m_ids.find(fontFile);
    if (it == m_ids.end())
        return;
    QFontDatabase::removeApplicationFont(it->second);
    m_ids.erase(it);
}

} // namespace platform
