#include "core/File.h"
#include "support/OtherPlatform.h"

#include <gtest/gtest.h>

#include <string>

TEST(FilePath, TrailingDelimiterIsAddedOnce)
{
    EXPECT_EQ(AddTrailingBackslash(""), "");
    EXPECT_EQ(AddTrailingBackslash("/home/a"), "/home/a" + std::string(1, PathDelimiter));
    EXPECT_EQ(AddTrailingBackslash("/home/a/"), "/home/a/");
    EXPECT_EQ(AddTrailingBackslash("/"), "/");
}

TEST(FilePath, DirectoryAndNamePartsSplitAtTheLastDelimiter)
{
    EXPECT_EQ(GetFileDir("/home/a/b.txt"), "/home/a/");
    EXPECT_EQ(GetFileNamePart("/home/a/b.txt"), "b.txt");
    EXPECT_EQ(GetFileDir("/home/a/"), "/home/a/");
    EXPECT_EQ(GetFileNamePart("/home/a/"), "");
    EXPECT_EQ(GetFileDir("/"), "/");
    EXPECT_EQ(GetFileNamePart("/"), "");
    EXPECT_EQ(GetFileDir("b.txt"), "");
    EXPECT_EQ(GetFileNamePart("b.txt"), "b.txt");
    EXPECT_EQ(GetFileDir(""), "");
    EXPECT_EQ(GetFileNamePart(""), "");
}

TEST(FilePath, ColonsAndBackslashesAreOrdinaryNameCharacters)
{
    SKIP_ON_WINDOWS("colons and backslashes are delimiters on Windows");
    EXPECT_FALSE(IsDriveOnly("C:"));
    EXPECT_EQ(GetFileDir("C:"), "");
    EXPECT_EQ(GetFileNamePart("C:"), "C:");
    EXPECT_EQ(GetFileDir("/pics/a:b\\c.png"), "/pics/");
    EXPECT_EQ(GetFileNamePart("/pics/a:b\\c.png"), "a:b\\c.png");
}

TEST(FilePath, ExtensionBelongsToTheNamePartOnly)
{
    EXPECT_EQ(GetFileExtension("/a/Readme.txt"), ".txt");
    EXPECT_EQ(GetFileExtension("/a.b/Readme"), "");
    EXPECT_EQ(GetFileExtension("/a/x.tar.gz"), ".gz");
    EXPECT_EQ(ChangeFileExtension("/a/Readme.txt", ".desktop"), "/a/Readme.desktop");
    EXPECT_EQ(ChangeFileExtension("/a.b/Readme", ".desktop"), "/a.b/Readme.desktop");
}

TEST(FileMask, EmptyMaskMatchesEverything)
{
    EXPECT_TRUE(MatchesFileMask("anything.at.all", ""));
    EXPECT_TRUE(MatchesFileMask("", ""));
}

TEST(FileMask, PatternsAreSeparatedBySemicolonsAndIgnoreCase)
{
    const std::string pictures = "*.bmp;*.gif;*.jpeg;*.jpg;*.png";
    EXPECT_TRUE(MatchesFileMask("holiday.JPG", pictures));
    EXPECT_TRUE(MatchesFileMask("a.png", pictures));
    EXPECT_FALSE(MatchesFileMask("a.png.txt", pictures));
    EXPECT_FALSE(MatchesFileMask("apng", pictures));
    EXPECT_TRUE(MatchesFileMask("a.gif", "*.bmp; *.gif"));
    EXPECT_FALSE(MatchesFileMask("a.gif", "*.bmp;;"));
}

TEST(FileMask, WildcardsMatchRunsAndSingleCharacters)
{
    EXPECT_TRUE(MatchesFileMask("Readme", "*"));
    EXPECT_TRUE(MatchesFileMask("Readme", "*.*"));
    EXPECT_TRUE(MatchesFileMask("game1.mzg", "game?.mzg"));
    EXPECT_FALSE(MatchesFileMask("game12.mzg", "game?.mzg"));
    EXPECT_TRUE(MatchesFileMask("gäme.mzg", "g?me.mzg"));
    EXPECT_TRUE(MatchesFileMask("abcabcabd", "*abd"));
    EXPECT_TRUE(MatchesFileMask("a*b", "a*b"));
    EXPECT_FALSE(MatchesFileMask("[a].png", "[ab].png"));
    EXPECT_TRUE(MatchesFileMask("[a].png", "[a].png"));
    EXPECT_FALSE(MatchesFileMask("ab", "a?b"));
}

TEST(FileMask, PathologicalPatternsFinishQuickly)
{
    const std::string name(4000, 'a');
    EXPECT_FALSE(MatchesFileMask(name, "*a*a*a*a*a*a*a*a*a*a*a*a*b"));
}

TEST(LinkFile, ShortcutKindsAreKnownWhateverTheCase)
{
    EXPECT_TRUE(IsLinkFile("/x/Mosavo.desktop"));
    EXPECT_TRUE(IsLinkFile("/x/Mosavo.LNK"));
    EXPECT_TRUE(IsLinkFile("/x/old.Pif"));
    EXPECT_FALSE(IsLinkFile("/x/Mosavo"));
    EXPECT_FALSE(IsLinkFile("/x.lnk/Mosavo"));
#ifdef _WIN32
    EXPECT_EQ(
        ChangeFileExtension("Readme.txt", GetLinkExtension("C:\\x\\Readme.txt")), "Readme.lnk");
#else
    EXPECT_EQ(
        ChangeFileExtension("Readme.txt", GetLinkExtension("/x/Readme.txt")), "Readme.desktop");
#endif
}
