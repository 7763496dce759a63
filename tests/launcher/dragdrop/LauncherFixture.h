#pragma once

#include "launcher/startup/DragAndDrop.h"
#include "launcher/startup/Launcher.h"
#include "platform/copy/QtFileCopyService.h"
#include "platform/copy/RecordingCopyService.h"
#include "platform/desktop/WindowStacking.h"
#include "platform/files/FolderMaker.h"
#include "platform/icons/FakeIconService.h"
#include "platform/profile/FileProfileStore.h"
#include "platform/shell/RecordingShell.h"

#include "support/FakeServices.h"
#include "support/RegisteredServers.h"
#include "support/TempFolder.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace dragdroptest {

// A program folder with the bundled Slatewise skin (four sections) and a
// library of three section folders, so that section 3 has no folder.
class LauncherFixture : public testing::Test, protected testsupport::FakeServices {
protected:
    void SetUp() override
    {
        ASSERT_EQ(testsupport::registerBuiltServers(), "");
        namespace fs = std::filesystem;
        fs::create_directories(app.path() / "skins");
        fs::copy(fs::path(QUORVEX_SOURCE_DIR) / "assets/skins/Slatewise", app.path() / "skins/Slatewise",
                 fs::copy_options::recursive);
        writeLibrary();
    }

    // Three section folders; the skin's fourth section has none.
    void writeLibrary()
    {
        std::filesystem::remove_all(app.path() / "shortcuts");
        app.write("shortcuts/Accessories/Notes.url", "[InternetShortcut]\nURL=https://example.org/\n");
        app.write("shortcuts/Accessories/Editor.desktop",
                  "[Desktop Entry]\nType=Application\nName=Editor\nExec=/bin/true %F\n");
        app.write("shortcuts/Games/Chess.url", "[InternetShortcut]\nURL=https://example.org/chess\n");
        std::filesystem::create_directories(app.path() / "shortcuts/Software");
    }

    void load()
    {
        launcher = std::make_unique<launcher::Launcher>(
            services(),
            launcher::AppPaths(app.str()));
        ASSERT_EQ(launcher->Load(), launcher::StartupResult::Running);
        launcher::DragAndDrop* drops = launcher::DragAndDrop::of(launcher->form());
        ASSERT_NE(drops, nullptr);
        drops->setCopyService(copier);
    }

    controls::SkinPanel& section(int i) { return *launcher->form().controls().SSPanel1[static_cast<size_t>(i)]; }
    controls::SkinPanel& button(int i) { return *launcher->form().controls().SSButton[static_cast<size_t>(i)]; }
    controls::SkinPanel& surface() { return launcher->form().surface(); }

    std::vector<std::string> messageTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& shown : messages.shown())
            texts.push_back(shown.text);
        return texts;
    }

    // A drag carrying `files` (local paths) enters `target`, rests there
    // and is dropped; the drop's own work runs right after the event.
    static std::unique_ptr<QMimeData> filesData(const std::vector<std::string>& files)
    {
        auto mime = std::make_unique<QMimeData>();
        QList<QUrl> urls;
        for (const std::string& file : files)
            urls.push_back(QUrl::fromLocalFile(QString::fromStdString(file)));
        mime->setUrls(urls);
        return mime;
    }
    static void dragEnter(QWidget& target, const QMimeData& mime)
    {
        QDragEnterEvent enter(target.rect().center(), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &enter);
    }
    static void dragMove(QWidget& target, const QMimeData& mime)
    {
        QDragMoveEvent move(target.rect().center(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &move);
    }
    static void drop(QWidget& target, const QMimeData& mime, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        dragEnter(target, mime);
        QDropEvent dropEvent(QPointF(target.rect().center()), Qt::CopyAction | Qt::MoveAction, &mime,
                             Qt::LeftButton, modifiers);
        QCoreApplication::sendEvent(&target, &dropEvent);
        QCoreApplication::processEvents();
    }
    void dropFiles(QWidget& target, const std::vector<std::string>& files,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        drop(target, *filesData(files), modifiers);
    }

    testsupport::TempFolder app;
    testsupport::TempFolder outside; // where dragged files come from
    platform::RecordingCopyService copier;
    std::unique_ptr<launcher::Launcher> launcher;
};

} // namespace dragdroptest
