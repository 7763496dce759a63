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
