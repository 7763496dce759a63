#include "platform/icons/ThemeIconService.h"

#include "platform/files/BoundedFileReader.h"
#include "platform/icons/ShortcutIconName.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QStandardPaths>

#include <filesystem>

namespace platform {
namespace {

bool themeHasIcon(const std::string& name)
{
    return !name.empty() && QGuiApplication::instance() && QIcon::hasThemeIcon(QString::fromStdString(name));
}

QIcon lookUp(const std::string& iconName)
{
    if (iconName.empty() || !QGuiApplication::instance())
        return {};
    const QString name = QString::fromStdString(iconName);
    if (name.startsWith(u'/')) {
        // A desktop entry may name any file as its icon; Qt would open a FIFO
        // and wait, or read a device without end.
        const std::string problem = BoundedFileReader(readLimits::kBitmapBytes).check(iconName);
        if (!problem.empty()) {
            reportSkippedFile(problem);
            return {};
        }
        return QIcon(name);
    }
    return QIcon::fromTheme(name);
}

// Drawn for the screen's density: on a high-density screen a 32-pixel icon
// holds 64 device pixels and says so in its device-pixel ratio.
QImage render(const QIcon& icon, int sizePx)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const int devicePx = qRound(sizePx * ratio);
    QImage image;
    if (!icon.isNull())
        image = icon.pixmap(QSize(sizePx, sizePx), ratio).toImage();
    if (image.isNull())
        image = drawFallbackIcon(devicePx);
    else if (image.width() != devicePx || image.height() != devicePx)
        image = image.scaled(devicePx, devicePx, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    return image;
}

void ensureIconTheme()
{
    if (!QGuiApplication::instance())
        return;
    QStringList searchPaths = QIcon::themeSearchPaths();
    QStringList candidates = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    candidates.prepend(QStandardPaths::writableLocation(QStandardPaths::HomeLocation) + "/.local/share");
    for (QString folder : candidates) {
        folder += "/icons";
        if (!searchPaths.contains(folder) && std::filesystem::is_directory(folder.toStdString()))
            searchPaths << folder;
    }
    QIcon::setThemeSearchPaths(searchPaths);

    const QString current = QIcon::themeName();
    if (!current.isEmpty() && current != "hicolor")
        return;
    for (const char* theme : {"Adwaita", "breeze", "gnome", "Tango", "hicolor"}) {
        for (const QString& folder : searchPaths) {
            if (std::filesystem::exists((folder + "/" + theme + "/index.theme").toStdString())) {
                QIcon::setThemeName(theme);
                return;
            }
        }
    }
}

} // namespace

ThemeIconService::ThemeIconService()
{
    ensureIconTheme();
}

QImage drawFallbackIcon(int sizePx)
{
    QImage image(sizePx, sizePx, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = sizePx / 16.0;
    const qreal left = 3 * unit, top = 1 * unit, right = 13 * unit, bottom = 15 * unit;
    const qreal fold = 4 * unit;
    QPainterPath sheet;
    sheet.moveTo(left, top);
    sheet.lineTo(right - fold, top);
    sheet.lineTo(right, top + fold);
    sheet.lineTo(right, bottom);
    sheet.lineTo(left, bottom);
    sheet.closeSubpath();
    painter.setPen(QPen(QColor(70, 70, 80), unit * 0.75));
    painter.setBrush(QColor(245, 245, 240));
    painter.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(right - fold, top);
    corner.lineTo(right - fold, top + fold);
    corner.lineTo(right, top + fold);
    painter.setBrush(QColor(200, 200, 210));
    painter.drawPath(corner);
    return image;
}

std::string ThemeIconService::iconNameFor(const std::string& path, DesktopEntryCache& entries)
{
    return shortcutIconName(path, themeHasIcon, entries);
}

FileIcons ThemeIconService::iconsNamed(const std::string& iconName)
{
    const QIcon icon = lookUp(iconName);
    return {render(icon, kLargeIconPx), render(icon, kSmallIconPx)};
}

} // namespace platform
