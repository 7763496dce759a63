#include "platform/desktop/FontTable.h"

#include <QFontDatabase>
#include <QString>

namespace platform {

void QtFontTable::add(const std::string& fontFile)
{
    if (m_ids.count(fontFile))
        return;
    const int id = QFontDatabase::addApplicationFont(QString::fromStdString(fontFile));
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
