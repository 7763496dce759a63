#include "LauncherFixture.h"

#include "launcher/dialogs/DropDecision.h"
#include "launcher/startup/WindowInteraction.h"
#include "support/LinkFileWriter.h"

#include <QElapsedTimer>
#include <QLabel>

#include <algorithm>
#include <functional>

using namespace launcher;
using dragdroptest::LauncherFixture;

namespace {

// Lets the event loop run until `done` holds or a generous limit passes;
// the limit only keeps a broken build from hanging, it measures nothing.
bool runUntil(const std::function<bool()>& done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

std::vector<std::string> captions(const Launcher& launcher)
{
    std::vector<std::string> shown;
    const LaunchButtonSet& set = launcher.launchButtons();
    for (int i = 0; i < set.VisibleButtonCount; ++i)
        shown.push_back(set.buttons[static_cast<size_t>(i)].caption);
    return shown;
}

int buttonIndex(const Launcher& launcher, const std::string& caption)
{
    const std::vector<std::string> shown = captions(launcher);
    const auto found = std::find(shown.begin(), shown.end(), caption);
    return found == shown.end() ? -1 : static_cast<int>(found - shown.begin());
}

class DropTest : public LauncherFixture {};

} // namespace

TEST_F(DropTest, EveryControlThatTakesFilesAcceptsDrops)
{
    load();
    EXPECT_TRUE(surface().acceptDrops());
    for (int i = 0; i < kMaxSections; ++i)
        EXPECT_TRUE(section(i).acceptDrops()) << "section " << i;
    for (int i = 0; i < kLaunchButtonCount; ++i)
        EXPECT_TRUE(button(i).acceptDrops()) << "launch button " << i;
}

TEST_F(DropTest, SectionAndWindowDropsCopyShortcutsAndSayWhatTheyRefused)
{
    struct Case {
        const char* name;
        int sectionButton; // -1: the window background
        std::vector<std::string> files; // names in `outside`; none at all: a drag without files
        std::vector<std::string> expectedMessages;
        std::vector<std::string> expectedCopies; // "<section folder>/<name>" appearing in the library
    };
    const std::vector<Case> cases = {
        {"shortcut and text file on a section button", 1, {"Report.txt", "Maps.url"},
         {kInvalidShortcutFilesMessage}, {"Games/Maps.url"}},
        {"only text files on the window", -1, {"a.txt", "b.doc"}, {kInvalidShortcutFilesMessage}, {}},
        {"no file list", 0, {}, {kNoFileListMessage}, {}},
        {"section without a folder", 3, {"Maps.url"}, {kSectionNotActiveMessage}, {}},
        {"section the skin lacks", 7, {"Maps.url"}, {kSectionNotActiveMessage}, {}},
        {"desktop entry and link on the window", -1, {"Term.desktop", "Tool.LNK"}, {},
         {"Accessories/Term.desktop", "Accessories/Tool.LNK"}},
        {"program information file on the last section", 2, {"Old.pif"}, {}, {"Software/Old.pif"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        launcher.reset();
        writeLibrary();
        load();
        const size_t messagesBefore = messages.shown().size();
        // Real copies, so that the library shows what was added.
        platform::QtFileCopyService desktopCopies(&launcher->form());
        launcher::DragAndDrop::of(launcher->form())->setCopyService(desktopCopies);

        std::vector<std::string> paths;
        for (const std::string& name : c.files)
            paths.push_back(outside.write(name, "[InternetShortcut]\nURL=https://example.org/\n").string());
        QWidget& target = c.sectionButton < 0 ? static_cast<QWidget&>(surface()) : section(c.sectionButton);
        if (c.files.empty()) {
            QMimeData text;
            text.setText("selected words");
            drop(target, text);
        } else {
            dropFiles(target, paths);
        }

        const std::vector<std::string> texts = messageTexts();
        EXPECT_EQ(std::vector<std::string>(texts.begin() + static_cast<long>(messagesBefore), texts.end()),
                  c.expectedMessages);
        for (const std::string& copy : c.expectedCopies)
            EXPECT_TRUE(std::filesystem::exists(app.path() / "shortcuts" / copy)) << copy;
        size_t libraryFiles = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(app.path() / "shortcuts"))
            libraryFiles += entry.is_regular_file() ? 1 : 0;
        EXPECT_EQ(libraryFiles, 3 + c.expectedCopies.size());
        // Added to the current section, a shortcut is a launch button at once.
        for (const std::string& copy : c.expectedCopies) {
            if (copy.rfind("Accessories/", 0) == 0) {
                EXPECT_GE(buttonIndex(*launcher, std::filesystem::path(copy).stem().string()), 0) << copy;
            }
        }
        EXPECT_EQ(launcher->state().CurrentSection, 1); // a drop never switches sections
    }
}

TEST_F(DropTest, ACopyThatBreaksStopsTheDropButKeepsWhatWasCopied)
{
    load();
    copier.throwOnCall(2);
    const std::vector<std::string> files = {outside.write("One.url", "").string(), outside.write("Two.url", "").string(),
                                            outside.write("Three.url", "").string(), outside.write("x.txt", "").string()};
    dropFiles(section(1), files);

    ASSERT_EQ(copier.calls().size(), 2u);
    EXPECT_EQ(copier.calls()[0].sources, (std::vector<std::string>{files[0]}));
    EXPECT_EQ(copier.calls()[0].targetFolder, app.str() + "shortcuts/Games");
    // The text file was never reached, so only the file error is told.
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{kCopyFileErrorMessage}));
}

TEST_F(DropTest, FilesDroppedOnAProgramButtonBecomeItsArguments)
{
    load();
    const int editor = buttonIndex(*launcher, "Editor");
    ASSERT_GE(editor, 0);
    const std::string report = outside.write("docs/Report.doc", "text").string();
    const std::string notes = outside.write("Notes.txt", "text").string();
    dropFiles(button(editor), {report, notes});

    ASSERT_EQ(shell.calls().size(), 1u);
    EXPECT_EQ(shell.calls()[0].target, "/bin/true");
    EXPECT_EQ(shell.calls()[0].arguments, (std::vector<std::string>{report, notes}));
    EXPECT_EQ(shell.calls()[0].workingFolder, outside.str() + "docs");
    EXPECT_TRUE(copier.calls().empty());

    // A drag without files launches nothing.
    QMimeData text;
    text.setText("words");
    drop(button(editor), text);
    EXPECT_EQ(shell.calls().size(), 1u);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(DropTest, AnAltDropRollsTheWindowUpAndADragRollsItDown)
{
    // A shade strip across the top of the window.
    const std::string ini = app.str() + "skins/Slatewise/Slatewise.ini";
    profiles.write(ini, "Shading", "Width", "308");
    profiles.write(ini, "Shading", "Height", "40");
    load();
    const int editor = buttonIndex(*launcher, "Editor");
    ASSERT_GE(editor, 0);
    dropFiles(button(editor), {outside.write("Report.doc", "text").string()}, Qt::AltModifier);

    EXPECT_EQ(launcher->state().ShadedFlag, -1);
    EXPECT_EQ(shell.calls().size(), 1u); // launched all the same
    const platform::SoundCall drop{platform::SoundPlayMode::Wait, app.path() / "skins/Slatewise/drop.wav"};
    EXPECT_NE(std::find(sounds.calls().begin(), sounds.calls().end(), drop), sounds.calls().end());

    dragEnter(surface(), *filesData({outside.str() + "Report.doc"}));
    EXPECT_EQ(launcher->state().ShadedFlag, 0);
}

TEST_F(DropTest, FilesDroppedOnAFolderButtonAreCopiedThereInOneOperation)
{
    const std::string target = outside.str() + "Inbox";
    std::filesystem::create_directories(target);
    app.write("shortcuts/Accessories/Inbox.lnk", testsupport::linkFileBytes({.target = target}));
    load();
    const int inbox = buttonIndex(*launcher, "Inbox");
    ASSERT_GE(inbox, 0);
    const std::vector<std::string> files = {outside.write("a.txt", "a").string(), outside.write("b.txt", "b").string()};
    dropFiles(button(inbox), files);

    ASSERT_EQ(copier.calls().size(), 1u);
    EXPECT_EQ(copier.calls()[0].sources, files);
    EXPECT_EQ(copier.calls()[0].targetFolder, target);
    EXPECT_TRUE(shell.calls().empty());
}

TEST_F(DropTest, DraggingOverLaunchButtonsMovesTheHighlight)
{
    load();
    const auto mime = filesData({outside.write("f.txt", "").string()});
    const QImage up = launcher->form().images().ButtonIL[0].picture("Button1").toImage();
    const QImage hover = launcher->form().images().ButtonIL[0].picture("Button2").toImage();
    ASSERT_NE(up, hover);

    dragEnter(button(0), *mime);
    EXPECT_EQ(launcher->state().DragHighlightButton, 0);
    EXPECT_EQ(button(0).backgroundPicture().toImage(), hover);
    ASSERT_FALSE(sounds.calls().empty());
    EXPECT_EQ(sounds.calls().back().mode, platform::SoundPlayMode::Wait);
    EXPECT_EQ(sounds.calls().back().file.filename(), "hover.wav");

    const size_t soundsBefore = sounds.calls().size();
    dragMove(button(0), *mime); // still the same button: nothing new
    EXPECT_EQ(sounds.calls().size(), soundsBefore);

    dragEnter(button(1), *mime);
    EXPECT_EQ(launcher->state().DragHighlightButton, 1);
    EXPECT_EQ(button(0).backgroundPicture().toImage(), up);
    EXPECT_EQ(button(1).backgroundPicture().toImage(), hover);

    // The background ends the highlight; the window comes forward for a
    // moment and goes back to its skin's stacking.
    const size_t stackingBefore = stacking.calls().size();
    dragEnter(surface(), *mime);
    EXPECT_EQ(launcher->state().DragHighlightButton, -1);
    EXPECT_EQ(button(1).backgroundPicture().toImage(), up);
    const std::string form = launcher->form().objectName().toStdString();
    EXPECT_EQ(std::vector<std::string>(stacking.calls().begin() + static_cast<long>(stackingBefore),
                                       stacking.calls().end()),
              (std::vector<std::string>{form + " on top", form + " not on top"}));
}

TEST_F(DropTest, ADragRestingOnAnotherSectionSwitchesAfterTheDwell)
{
    load();
    const auto mime = filesData({outside.write("f.txt", "").string()});
    DragAndDrop& drops = *DragAndDrop::of(launcher->form());
    LauncherState& state = launcher->state();

    // The current and the folderless sections never dwell.
    dragEnter(section(0), *mime);
    dragEnter(section(3), *mime);
    EXPECT_EQ(drops.dwellSection(), -1);

    auto* interaction = dynamic_cast<WindowInteraction*>(
        launcher->form().findChild<QObject*>(WindowInteraction::kObjectName, Qt::FindDirectChildrenOnly));
    ASSERT_NE(interaction, nullptr);

    dragEnter(section(1), *mime);
    EXPECT_EQ(drops.dwellSection(), 1);
    EXPECT_EQ(state.DwellTicks, 0);
    EXPECT_TRUE(interaction->isDwellTimerRunning());
    dragMove(section(1), *mime);
    EXPECT_EQ(state.CurrentSection, 1); // no tick yet

    // Moving on to another section restarts the dwell there.
    state.DwellTicks = 1;
    dragEnter(section(2), *mime);
    EXPECT_EQ(drops.dwellSection(), 2);
    EXPECT_EQ(state.DwellTicks, 0);
    EXPECT_EQ(state.CurrentSection, 1);

    state.DwellTicks = 1; // one tick of the dwell timer
    dragMove(section(2), *mime);
    EXPECT_EQ(state.CurrentSection, 3);
    EXPECT_EQ(drops.dwellSection(), -1);
    EXPECT_FALSE(interaction->isDwellTimerRunning());
    EXPECT_TRUE(captions(*launcher).empty()); // Software holds no shortcuts
    EXPECT_EQ(section(2).foreColor(), QColor(0xFF, 0xFF, 0xFF)); // CurrentColor
    EXPECT_EQ(section(0).foreColor(), QColor(0x9F, 0xB0, 0xC1)); // FontColor
}

TEST_F(DropTest, ADragHeldStillOnASectionButtonStillSwitches)
{
    load();
    const auto mime = filesData({outside.write("f.txt", "").string()});
    dragEnter(section(1), *mime); // then no more motion
    launcher->state().DwellTicks = 1;
    EXPECT_TRUE(runUntil([&] { return launcher->state().CurrentSection == 2; }));
    EXPECT_EQ(captions(*launcher), (std::vector<std::string>{"Chess"}));
}

TEST_F(DropTest, DropWithNoSectionLeftIsAFileErrorNotACrash)
{
    load();
    std::filesystem::remove_all(app.path() / "shortcuts");
    std::filesystem::create_directories(app.path() / "shortcuts");
    // Pressing a section button finds every folder gone: no section is current.
    launcher->SwitchSection(1);
    ASSERT_EQ(launcher->state().CurrentSection, 0);
    const std::string maps = outside.write("Maps.url", "[InternetShortcut]\nURL=https://example.org/\n").string();

    dropFiles(surface(), {maps});
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kCopyFileErrorMessage});

    // Folders made anew are not current until a section is chosen.
    std::filesystem::create_directories(app.path() / "shortcuts/Tools");
    dropFiles(surface(), {maps});
    dropFiles(section(0), {maps});
    EXPECT_EQ(messageTexts(),
              (std::vector<std::string>{kCopyFileErrorMessage, kCopyFileErrorMessage, kSectionNotActiveMessage}));
    EXPECT_TRUE(copier.calls().empty());
    EXPECT_EQ(launcher->launchButtons().VisibleButtonCount, 0);
}
