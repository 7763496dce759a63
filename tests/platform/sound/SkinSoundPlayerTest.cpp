#include "platform/sound/SkinSoundPlayer.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

class SkinSoundPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder.write("Sounds/Hover.WAV", "x");
        m_folder.write("click.wav", "x");
        m_skins.setSkinFolder(m_folder.path());
    }

    testsupport::TempFolder m_folder;
    RecordingSoundSystem m_system;
    SkinSoundPlayer m_skins{m_system};
};

TEST_F(SkinSoundPlayerTest, EachHelperUsesItsPlayer)
{
    m_skins.PlaySkinSound("click.wav");
    m_skins.PlaySkinSoundNoStop("click.wav");
    m_skins.PlaySkinSoundAndWait("click.wav");
    const auto file = m_folder.path() / "click.wav";
    EXPECT_EQ(m_system.calls(), (std::vector<SoundCall>{{SoundPlayMode::Async, file},
                                                         {SoundPlayMode::NoStop, file},
                                                         {SoundPlayMode::Wait, file}}));
}

TEST_F(SkinSoundPlayerTest, FindsNamesWithoutRegardToCaseOrSeparator)
{
    const auto expected = m_folder.path() / "Sounds" / "Hover.WAV";
    for (const char* name : {"sounds\\hover.wav", "SOUNDS/HOVER.wav", "\\Sounds\\Hover.WAV"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(m_skins.soundFile(name), expected);
    }
    // A missing file is still handed on: the player stays silent about it.
    EXPECT_EQ(m_skins.soundFile("gone.wav"), m_folder.path() / "gone.wav");
}

TEST_F(SkinSoundPlayerTest, EmptyNamesAndDisabledSoundsPlayNothing)
{
    m_skins.PlaySkinSound("");
    m_skins.PlaySkinSoundNoStop("");
    m_skins.PlaySkinSoundAndWait("");
    m_skins.setSoundEnabled(false);
    m_skins.PlaySkinSound("click.wav");
    m_skins.PlaySkinSoundNoStop("click.wav");
    m_skins.PlaySkinSoundAndWait("click.wav");
    EXPECT_TRUE(m_system.calls().empty());
    m_skins.setSoundEnabled(true);
    m_skins.PlaySkinSound("click.wav");
    EXPECT_EQ(m_system.calls().size(), 1u);
}

} // namespace
} // namespace platform
