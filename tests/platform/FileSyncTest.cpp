#include "platform/FileSync.h"

#include "core/Error.h"
#include "core/StoredTextList.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

TEST(FileSyncTest, FilesAndFoldersAreFlushedAndMissingOnesReported)
{
    const fs::path folder
        = fs::temp_directory_path() / ("mosavo-sync-" + std::to_string(std::random_device()()));
    fs::create_directories(folder);
    const std::string file = (folder / "Mosavo.ini").string();
    std::ofstream(file) << "[S]\r\n";

    EXPECT_TRUE(SyncFileToDisk(file));
    EXPECT_TRUE(SyncFileToDisk(folder.string()));
    SetLastSystemError(0);
    EXPECT_FALSE(SyncFileToDisk((folder / "missing").string()));
    EXPECT_EQ(LastSystemError(), static_cast<uint32_t>(ENOENT));

    InstallFileSyncHook();
    TMemIniFile document(file);
    document.WriteString("S", "k", "v");
    document.UpdateFile();
    SetFileSyncHook({});
    {
        // Closed before the removal: Windows does not delete a file that is open.
        std::ifstream in(file, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "[S]\r\nk=v\r\n\r\n");
    }
    fs::remove_all(folder);
}
