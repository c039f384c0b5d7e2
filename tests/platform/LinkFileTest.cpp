#include "platform/File.h"

#include "core/Error.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <map>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace fs = std::filesystem;

namespace {

// The keys of a desktop entry's main group, values as written.
std::map<std::string, std::string> EntryKeys(const std::string &text)
{
    std::map<std::string, std::string> keys;
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "[Desktop Entry]");
    while (std::getline(lines, line)) {
        const std::size_t equals = line.find('=');
        EXPECT_NE(equals, std::string::npos) << line;
        keys[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return keys;
}

// Undoes the escapes of a string value.
std::string UnescapedValue(const std::string &value)
{
    std::string unescaped;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char next = value[++i];
            unescaped += next == 's' ? ' ' : next == 'n' ? '\n' : next == 't' ? '\t' : next;
        } else {
            unescaped += value[i];
        }
    }
    return unescaped;
}

// Reads an Exec value back as a launcher does: string escapes first, then the quoting.
std::vector<std::string> ExecArguments(const std::string &value)
{
    const std::string unescaped = UnescapedValue(value);
    std::vector<std::string> arguments;
    std::string current;
    bool inQuotes = false;
    bool started = false;
    for (std::size_t i = 0; i < unescaped.size(); ++i) {
        const char c = unescaped[i];
        if (inQuotes && c == '\\' && i + 1 < unescaped.size()) {
            current += unescaped[++i];
        } else if (c == '"') {
            inQuotes = !inQuotes;
            started = true;
        } else if (c == '%' && i + 1 < unescaped.size() && unescaped[i + 1] == '%') {
            current += unescaped[++i];
        } else if (c == ' ' && !inQuotes) {
            if (started)
                arguments.push_back(current);
            current.clear();
            started = false;
        } else {
            current += c;
            started = true;
        }
    }
    if (started)
        arguments.push_back(current);
    return arguments;
}

int RunAndWait(const std::vector<std::string> &argv, const std::string &directory)
{
    std::vector<char *> pointers;
    for (const std::string &argument : argv)
        pointers.push_back(const_cast<char *>(argument.c_str()));
    pointers.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    pid_t pid = 0;
    const int result
        = posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (result != 0 || waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool DesktopFileValidatorAvailable()
{
    return std::system("command -v desktop-file-validate >/dev/null 2>&1") == 0;
}

class TLinkFileTest : public ::testing::Test
{
protected:
    TTempFolder temp;
};

} // namespace

TEST_F(TLinkFileTest, ShortcutStartsTheProgramInItsFolder)
{
    const std::string folder = temp / "opt/My \"odd\" $dir\\ `x` 100%";
    const std::string program = folder + "/Mosavo";
    WriteScript(program, "pwd > ran.txt\nfor a in \"$@\"; do echo \"[$a]\"; done >> ran.txt\n");
    const std::string link = temp / "Desktop/Mosavo.desktop";
    fs::create_directories(temp / "Desktop");

    CopyFileAsLinkWithParam(program, link, "/Uninstall \"two words\"", "", true);
    ASSERT_EQ(FunStatContext.Status, fsPerfect) << FunStatContext.Description;
    EXPECT_EQ(ModeOf(link) & 0111, 0111u);

    auto keys = EntryKeys(ReadTextFile(link));
    EXPECT_EQ(keys["Type"], "Application");
    EXPECT_EQ(keys["Name"], "Mosavo");
    EXPECT_EQ(keys.count("Icon"), 0u) << "no icon path: the desktop's default";
    const std::vector<std::string> argv = ExecArguments(keys["Exec"]);
    ASSERT_EQ(argv, (std::vector<std::string> {program, "/Uninstall", "two words"}));
    EXPECT_EQ(UnescapedValue(keys["Path"]), folder);

    ASSERT_EQ(RunAndWait(argv, folder), 0);
    EXPECT_EQ(ReadTextFile(folder + "/ran.txt"), folder + "\n[/Uninstall]\n[two words]\n");

    if (DesktopFileValidatorAvailable()) {
        EXPECT_EQ(std::system(("desktop-file-validate '" + link + "' >&2").c_str()), 0);
    }
}

TEST_F(TLinkFileTest, ShortcutToADocumentOpensItWithXdgOpen)
{
    const std::string readme = temp / "Mosavo/Readme.txt";
    WriteTextFile(readme, "read me");
    const std::string link = temp / "Readme.desktop";

    CopyFileAsLink(readme, link, true, false, true, "");
    ASSERT_EQ(FunStatContext.Status, fsPerfect);
    auto keys = EntryKeys(ReadTextFile(link));
    EXPECT_EQ(ExecArguments(keys["Exec"]), (std::vector<std::string> {"xdg-open", readme}));
    EXPECT_EQ(keys["Path"], temp / "Mosavo");
    if (DesktopFileValidatorAvailable()) {
        EXPECT_EQ(std::system(("desktop-file-validate '" + link + "' >&2").c_str()), 0);
    }
}

TEST_F(TLinkFileTest, TextsAreEscapedAndPathsMadeFull)
{
    WriteScript(temp / "prog", "true\n");
    TLinkFile link;
    link.ReferencePath = temp / "sub/../prog";
    link.Description = " Puzzle\nwith\\lines";
    link.IconPath = temp / "icons/./mosavo.png";
    link.Save(temp / "Puzzle game.desktop", false);
    ASSERT_EQ(FunStatContext.Status, fsPerfect);

    EXPECT_EQ(link.ReferencePath, temp / "prog");
    auto keys = EntryKeys(ReadTextFile(temp / "Puzzle game.desktop"));
    EXPECT_EQ(keys["Name"], "Puzzle game");
    EXPECT_EQ(keys["Comment"], "\\sPuzzle\\nwith\\\\lines");
    EXPECT_EQ(keys["Icon"], temp / "icons/mosavo.png");
    EXPECT_EQ(keys.count("Path"), 0u);
}

TEST_F(TLinkFileTest, LongShortcutNamesCanBeWritten)
{
    WriteScript(temp / "prog", "true\n");
    const std::string link = temp / (std::string(240, 'L') + ".desktop");
    CopyFileAsLink(temp / "prog", link, true, false, false, "");
    EXPECT_EQ(FunStatContext.Status, fsPerfect) << FunStatContext.SystemErrorCode;
    EXPECT_TRUE(fs::exists(link));
}

TEST_F(TLinkFileTest, ChainedShortcutsAreRefusedAndClearTheLink)
{
    WriteTextFile(temp / "Other.LNK", "x");
    TLinkFile link;
    link.ReferencePath = temp / "Other.LNK";
    link.Arguments = "/Uninstall";
    link.Save(temp / "Chain.desktop", true);

    EXPECT_EQ(FunStatContext.Status, fsError);
    EXPECT_EQ(FunStatContext.Function, "TLinkFile::Save");
    EXPECT_EQ(FunStatContext.Description, "This operating system does not support chained links.");
    EXPECT_EQ(FunStatContext.Parameter1, temp / "Chain.desktop");
    EXPECT_EQ(link.ReferencePath, "");
    EXPECT_EQ(link.Arguments, "");
    EXPECT_FALSE(fs::exists(temp / "Chain.desktop"));
}

TEST_F(TLinkFileTest, ExistingShortcutIsKeptWithoutOverwrite)
{
    WriteScript(temp / "prog", "true\n");
    WriteTextFile(temp / "prog.desktop", "mine");

    CopyFileAsLink(temp / "prog", temp / "prog.desktop", false, false, true, "");
    EXPECT_EQ(FunStatContext.Status, fsBeginFunctionError);
    EXPECT_EQ(FunStatContext.Function, "TLinkFile::Save");
    EXPECT_EQ(ReadTextFile(temp / "prog.desktop"), "mine");

    CopyFileAsLink(temp / "prog", temp / "prog.desktop", true, false, true, "");
    EXPECT_EQ(FunStatContext.Status, fsPerfect);
    EXPECT_NE(ReadTextFile(temp / "prog.desktop"), "mine");
}

TEST_F(TLinkFileTest, UnwritableLocationFailsAndLeavesNothing)
{
    WriteScript(temp / "prog", "true\n");
    CopyFileAsLink(temp / "prog", temp / "no/such/folder/prog.desktop", true, false, true, "");
    EXPECT_EQ(FunStatContext.Status, fsError);
    EXPECT_EQ(FunStatContext.Description, "Failed to save link file.");
    EXPECT_EQ(FunStatContext.SystemErrorCode, static_cast<uint32_t>(ENOENT));

    fs::create_directories(temp / "taken.desktop");
    CopyFileAsLink(temp / "prog", temp / "taken.desktop", true, false, true, "");
    EXPECT_EQ(FunStatContext.Status, fsError);
    EXPECT_EQ(FunStatContext.Parameter1, temp / "taken.desktop");
    for (const auto &entry : fs::directory_iterator(temp.Path()))
        EXPECT_NE(entry.path().filename().string().front(), '.') << "temporary left behind";
}
