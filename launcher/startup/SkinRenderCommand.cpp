#include "launcher/startup/SkinRenderCommand.h"

#include "launcher/config/AppPaths.h"
#include "launcher/skin/SkinCheck.h"
#include "launcher/skin/SkinPictures.h"
#include "launcher/startup/Launcher.h"
#include "launcher/startup/SkinCheckCommand.h"
#include "launcher/window/ClockFormat.h"
#include "platform/desktop/FontTable.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/RecordingWindowMover.h"
#include "platform/desktop/Screen.h"
#include "platform/desktop/WindowStacking.h"
#include "platform/files/FolderMaker.h"
#include "platform/icons/ThemeIconService.h"
#include "platform/profile/FileProfileStore.h"
#include "platform/shell/RecordingShell.h"
#include "platform/sound/SoundSystem.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

namespace launcher {
namespace {

// The clock of a preview always reads the same, so two renders of one skin
// give the same picture.
constexpr ClockTime kPreviewTime{10, 8, 0};

// Section folders and launch buttons a preview shows; a skin lays out as
// many of them as it has room for.
struct SampleSection {
    const char* folder;
    std::initializer_list<const char*> shortcuts;
};
const SampleSection kSampleLibrary[] = {
    {"Accessories", {"Calculator", "Notes", "Terminal"}},
    {"Games", {"Chess", "Solitaire"}},
    {"Software", {"Editor", "Mail", "Web Browser", "Pictures"}},
};

void writeText(const std::filesystem::path& file, const std::string& text)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << text;
}

// The program folder the preview launcher runs in: a copy of the skin, so
// that what the launcher stores on close never touches the author's files.
bool layOutProgramFolder(const std::filesystem::path& app, const std::string& skinFolder, const std::string& skinName,
                         std::string* error)
{
    namespace fs = std::filesystem;
    std::error_code failed;
    fs::create_directories(app / "skins", failed);
    fs::copy(skinFolder, app / "skins" / skinName, fs::copy_options::recursive, failed);
    if (failed) {
        *error = "cannot copy the skin: " + failed.message();
        return false;
    }
    writeText(app / "Quorvex.ini", "[Options]\nStartupSkin=" + skinName + "\nShowSplash=0\n");
    for (const SampleSection& section : kSampleLibrary) {
        for (const char* name : section.shortcuts)
            writeText(app / "shortcuts" / section.folder / (std::string(name) + ".url"),
                      "[InternetShortcut]\nURL=https://example.org/\n");
    }
    return true;
}

std::string skinNameOf(const std::string& skinFolder)
{
    std::filesystem::path path(skinFolder);
    if (!path.has_filename())
        path = path.parent_path();
    return path.filename().string();
}

// The clock shows a fixed time, so renders of one skin compare equal. The
// film loop needs nothing: no timer has ticked yet, so it shows its first frame.
void showPreviewTime(Launcher& launcher)
{
    if (launcher.skin().clock.hasClock())
        launcher.form().controls().Clock->setText(
            QString::fromStdString(FormatClock(launcher.skin().clock.format, kPreviewTime)));
}

// The pointer reaches `widget`; the launcher's own handlers give it the look
// (and run the steps) they give a real pointer.
void pointerEnters(QWidget& widget)
{
    const QPointF inside(widget.width() / 2.0, widget.height() / 2.0);
    QEnterEvent event(inside, inside, widget.mapToGlobal(inside));
    QApplication::sendEvent(&widget, &event);
}

void pointerLeaves(QWidget& widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

void pointerClicks(QWidget& widget)
{
    const QPointF inside(widget.width() / 2.0, widget.height() / 2.0);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, inside, widget.mapToGlobal(inside), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
    }
}

// Section 1 is current after loading; any other is chosen the way a user
// does, so its button shows the current-section look.
void chooseSection(Launcher& launcher, int index)
{
    if (index == 0)
        return;
    QWidget& button = *launcher.form().controls().SSPanel1[static_cast<size_t>(index)];
    pointerEnters(button);
    pointerClicks(button);
    pointerLeaves(button);
}

std::optional<int> positiveNumber(const char* text)
{
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end || value < 1 || value > 10000)
        return std::nullopt;
    return static_cast<int>(value);
}

// Reads the options after "--render-skin"; nullopt on anything it does not know.
std::optional<SkinRenderRequest> parseRequest(int argc, char** argv)
{
    if (argc < 3)
        return std::nullopt;
    SkinRenderRequest request;
    request.skinFolder = argv[2];
    for (int i = 3; i < argc; ++i) {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--shaded") {
            request.shaded = true;
        } else if (option == "-o" && hasValue) {
            request.outputFile = argv[++i];
        } else if (option == "--section" || option == "--hover" || option == "--width" || option == "--height" ||
                   option == "--scale") {
            const std::optional<int> value = hasValue ? positiveNumber(argv[++i]) : std::nullopt;
            if (!value || (option == "--scale" && *value > kMaxPictureScale))
                return std::nullopt;
            (option == "--section"  ? request.section
             : option == "--hover"  ? request.hover
             : option == "--width"  ? request.width
             : option == "--scale"  ? request.scale
                                    : request.height) = *value;
        } else {
            return std::nullopt;
        }
    }
    if (request.outputFile.empty() || (request.width > 0) != (request.height > 0))
        return std::nullopt;
    return request;
}

} // namespace

QImage RenderSkin(Services services, const SkinRenderRequest& request, std::string* error)
{
    QTemporaryDir folder;
    if (!folder.isValid()) {
        *error = "cannot make a temporary folder";
        return {};
    }
    const std::filesystem::path app = folder.path().toStdString();
    const std::string skinName = skinNameOf(request.skinFolder);
    if (!layOutProgramFolder(app, request.skinFolder, skinName, error))
        return {};

    services.pauseScale = 0;
    services.quietStart = true;
    Launcher launcher(services, AppPaths(app.string()));
    if (launcher.Load() != StartupResult::Running) {
        *error = "the launcher cannot start with this skin";
        return {};
    }
    const int sections = static_cast<int>(launcher.form().controls().SSPanel1.size());
    if (request.section > sections) {
        *error = "the skin has " + std::to_string(sections) + " sections";
        return {};
    }
    chooseSection(launcher, request.section - 1);
    if (request.hover > 0) {
        const auto& buttons = launcher.form().controls().SSButton;
        if (request.hover > static_cast<int>(buttons.size()) ||
            !buttons[static_cast<size_t>(request.hover - 1)]->isVisible()) {
            *error = "section " + std::to_string(request.section) + " shows no launch button " +
                     std::to_string(request.hover);
            return {};
        }
        pointerEnters(*buttons[static_cast<size_t>(request.hover - 1)]);
    }
    if (request.shaded)
        launcher.RollUp();
    showPreviewTime(launcher);
    QCoreApplication::processEvents();

    QWidget& window = launcher.form();
    QImage image(window.size() * request.scale, QImage::Format_ARGB32);
    image.setDevicePixelRatio(request.scale);
    image.fill(Qt::transparent);
    window.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    // The outline is the window's mask: outside it the desktop shows through.
    const QRegion outline = window.mask();
    if (!outline.isEmpty()) {
        QImage cut(image.size(), QImage::Format_ARGB32);
        cut.setDevicePixelRatio(request.scale);
        cut.fill(Qt::transparent);
        QPainter painter(&cut);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setClipRegion(outline);
        painter.drawImage(0, 0, image);
        painter.end();
        image = cut;
    }
    if (request.width > 0)
        image = image.scaled(request.width, request.height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    launcher.form().close();
    return image;
}

int RunSkinRender(int argc, char** argv)
{
    const std::optional<SkinRenderRequest> request = parseRequest(argc, argv);
    if (!request) {
        std::fprintf(stderr, "usage: quorvex --render-skin DIR -o OUT.png [--section N] [--hover SLOT] [--shaded] "
                             "[--scale 1..%d] [--width W --height H]\n",
                     kMaxPictureScale);
        return 2;
    }
    // A skin that loads renders quietly; one that does not says why.
    const SkinCheckReport report = CheckInstalledSkin(request->skinFolder);
    if (!report.loadable()) {
        PrintSkinCheckReport(report);
        return 1;
    }

    // Nothing is shown: the window is drawn into a picture. At a scale the
    // window's widgets see the density a real high-density screen gives.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (request->scale > 1)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(request->scale));
    QApplication application(argc, argv);
    platform::FileProfileStore profiles;
    platform::RecordingMessageBox messages;
    platform::QtFontTable fonts;
    platform::FixedScreen screen({1024, 768}, request->scale);
    platform::RecordingFolderMaker folders;
    platform::RecordingWindowStacking stacking;
    platform::RecordingSoundSystem sounds;
    platform::RecordingShell shell;
    platform::ThemeIconService icons;
    platform::RecordingWindowMover mover;
    std::string error;
    const QImage image =
        RenderSkin({profiles, messages, fonts, screen, folders, stacking, sounds, shell, icons, mover}, *request, &error);
    for (const auto& shown : messages.shown())
        std::fprintf(stderr, "quorvex: %s\n", shown.text.c_str());
    if (image.isNull()) {
        std::fprintf(stderr, "quorvex: %s\n", error.c_str());
        return 1;
    }
    if (!image.save(QString::fromStdString(request->outputFile), "PNG")) {
        std::fprintf(stderr, "quorvex: cannot write %s\n", request->outputFile.c_str());
        return 1;
    }
    return 0;
}

} // namespace launcher
