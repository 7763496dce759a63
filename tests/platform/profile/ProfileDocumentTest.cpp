#include "platform/profile/ProfileDocument.h"

#include <gtest/gtest.h>

using platform::ProfileDocument;

TEST(ProfileDocument, ReadsNamesWithoutRegardToCaseAndTrimsValues)
{
    ProfileDocument doc("[SkinInfo]\r\n  enableSound =  0  \r\nSkinName=\"  Slate  \"\r\n");
    EXPECT_EQ(doc.value("skininfo", "EnableSound"), "0");
    EXPECT_EQ(doc.value("SKININFO", "skinname"), "  Slate  ");
    EXPECT_EQ(doc.value("SkinInfo", "Missing"), std::nullopt);
    EXPECT_EQ(doc.value("Other", "enableSound"), std::nullopt);
}

TEST(ProfileDocument, FirstSectionAndFirstKeyWin)
{
    ProfileDocument doc("[A]\nk=1\nk=2\n[a]\nk=3\nj=4\n");
    EXPECT_EQ(doc.value("A", "k"), "1");
    EXPECT_EQ(doc.value("A", "j"), std::nullopt);
}

TEST(ProfileDocument, IgnoresCommentsAndLinesWithoutEquals)
{
    ProfileDocument doc("[A]\n; k=commented\nnonsense line\nk=real\n");
    EXPECT_EQ(doc.value("A", "k"), "real");
    EXPECT_EQ(doc.value("A", "; k"), std::nullopt);
}

TEST(ProfileDocument, KeepsAValueContainingEqualsSigns)
{
    ProfileDocument doc("[A]\nFormat=a=b\n");
    EXPECT_EQ(doc.value("A", "format"), "a=b");
}

TEST(ProfileDocument, ReplacingAValueKeepsEveryOtherByte)
{
    const std::string before = "; my skin\r\n[UserSettings]\r\nStartupLeft = 12 \r\n\r\n[Other]\r\nx=1";
    ProfileDocument doc(before);
    doc.setValue("usersettings", "startupleft", "345");
    EXPECT_EQ(doc.text(), "; my skin\r\n[UserSettings]\r\nstartupleft=345\r\n\r\n[Other]\r\nx=1");
}

TEST(ProfileDocument, AddsKeyAtEndOfItsSectionBeforeBlankLines)
{
    ProfileDocument doc("[A]\nx=1\n\n[B]\ny=2\n");
    doc.setValue("A", "z", "3");
    EXPECT_EQ(doc.text(), "[A]\nx=1\nz=3\n\n[B]\ny=2\n");
}

TEST(ProfileDocument, AddsKeyToLastSectionWithoutFinalLineBreak)
{
    ProfileDocument doc("[A]\nx=1");
    doc.setValue("A", "y", "2");
    EXPECT_EQ(doc.text(), "[A]\nx=1\ny=2\n");
    EXPECT_EQ(doc.value("A", "x"), "1");
}

TEST(ProfileDocument, CreatesSectionsUsingTheFilesLineBreaks)
{
    ProfileDocument empty;
    empty.setValue("Options", "StartupSkin", "Slatewise");
    EXPECT_EQ(empty.text(), "[Options]\nStartupSkin=Slatewise\n");

    ProfileDocument windows("[A]\r\nx=1\r\n");
    windows.setValue("B", "y", "2");
    EXPECT_EQ(windows.text(), "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
}

TEST(ProfileDocument, ReadsAfterAWriteSeeTheNewValue)
{
    ProfileDocument doc("[A]\nk=1\n");
    EXPECT_EQ(doc.value("A", "k"), "1"); // the first read indexes the text
    doc.setValue("A", "k", "2");
    doc.setValue("B", "new", "3");
    EXPECT_EQ(doc.value("a", "K"), "2");
    EXPECT_EQ(doc.value("B", "new"), "3");
}

TEST(ProfileDocument, WritesTrimSectionAndKeyNamesAsReadsDo)
{
    ProfileDocument doc("[A]\nk=1\n");
    doc.setValue(" A ", "\tk ", "2");
    doc.setValue(" B", "j ", "3");
    doc.setValue("B ", " j", "4");
    EXPECT_EQ(doc.text(), "[A]\nk=2\n[B]\nj=4\n");
}

TEST(ProfileDocument, EntriesThatWouldNotReadBackAreRefused)
{
    const std::optional<std::string> refused;
    const struct {
        std::string section, key, value;
        std::optional<std::string> readBack;
    } cases[] = {
        {"A", "k", "plain value", "plain value"},
        {" A ", " k ", " blanks around ", "blanks around"},
        {"A", "k", "x\n[UserSettings]\nShaded=-1", refused},
        {"A", "k", "x\r", refused},
        {"A", "k", std::string("x\0y", 3), refused},
        {"A\n", "k", "v", refused},
        {"A", "k\r\n", "v", refused},
        {"A", std::string("k\0", 2), "v", refused},
        {"  ", "k", "v", refused},
        {"A]B", "k", "v", refused},
        {"A", " ", "v", refused},
        {"A", "k=j", "v", refused},
        {"A", ";k", "v", refused},
        {"A", "[k]", "v", refused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("[" + c.section + "] " + c.key + "=" + c.value);
        EXPECT_EQ(ProfileDocument::entryProblem(c.section, c.key, c.value).empty(), c.readBack.has_value());
        if (!c.readBack)
            continue;
        ProfileDocument doc("[Other]\nk=0\n");
        doc.setValue(c.section, c.key, c.value);
        EXPECT_EQ(doc.value(c.section, c.key), c.readBack);
        EXPECT_EQ(doc.value("Other", "k"), "0");
    }
}

TEST(ProfileDocument, ReadsLinesEndedByLfCrLfOrALoneCr)
{
    for (const std::string lineBreak : {"\n", "\r\n", "\r"}) {
        SCOPED_TRACE(lineBreak == "\r" ? "CR" : lineBreak == "\n" ? "LF" : "CR LF");
        const std::string text = "[SkinInfo]" + lineBreak + "SectionNum=3" + lineBreak + "[Other]" + lineBreak + "x=1";
        ProfileDocument doc(text);
        EXPECT_EQ(doc.value("SkinInfo", "SectionNum"), "3");
        EXPECT_EQ(doc.value("Other", "x"), "1");
        EXPECT_EQ(doc.value("SkinInfo", "x"), std::nullopt);

        doc.setValue("SkinInfo", "Added", "y");
        doc.setValue("New", "k", "v");
        EXPECT_EQ(doc.text(), "[SkinInfo]" + lineBreak + "SectionNum=3" + lineBreak + "Added=y" + lineBreak
                                  + "[Other]" + lineBreak + "x=1" + lineBreak + "[New]" + lineBreak + "k=v" + lineBreak);
        EXPECT_EQ(ProfileDocument(doc.text()).value("New", "k"), "v");
    }
}

TEST(ProfileDocument, AHeaderThatLostItsBracketStillOpensItsSection)
{
    ProfileDocument doc("[SkinInfo]\nSectionNum=3\n[UserSettings\nStartupLeft=12\n");
    EXPECT_EQ(doc.value("UserSettings", "StartupLeft"), "12");
    EXPECT_EQ(doc.value("SkinInfo", "StartupLeft"), std::nullopt);

    doc.setValue("UserSettings", "StartupLeft", "40");
    EXPECT_EQ(doc.text(), "[SkinInfo]\nSectionNum=3\n[UserSettings\nStartupLeft=40\n");
}
