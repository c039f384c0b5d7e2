#pragma once
// Temporary folders, files and environment settings for the tests.

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>

// A fresh folder below the temporary folder, removed with everything in it at the end.
class TTempFolder
{
public:
    TTempFolder()
    {
        const char *base = std::getenv("TMPDIR");
        const std::filesystem::path parent
            = base && *base ? std::filesystem::path(base) : std::filesystem::temp_directory_path();
        std::random_device random;
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const std::filesystem::path candidate
                = parent / ("mosavo-test-" + std::to_string(random()));
            std::error_code error;
            if (std::filesystem::create_directory(candidate, error))
                path_ = std::filesystem::canonical(candidate);
        }
        if (path_.empty())
            throw std::runtime_error("no temporary folder could be made");
    }
    ~TTempFolder()
    {
        std::error_code error;
        for (auto it = std::filesystem::recursive_directory_iterator(path_, error);
             it != std::filesystem::recursive_directory_iterator(); it.increment(error))
            if (!it->is_symlink())
                std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                    std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(path_, error);
    }
    TTempFolder(const TTempFolder &) = delete;
    TTempFolder &operator=(const TTempFolder &) = delete;

    const std::filesystem::path &Path() const { return path_; }
    // Full name of a relative path inside the folder, as text.
    std::string operator/(const std::string &relative) const { return (path_ / relative).string(); }

private:
    std::filesystem::path path_;
};

inline void WriteTextFile(const std::string &path, const std::string &text)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadTextFile(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The permission bits (POSIX modes; on Windows only what the read-only flag shows of them).
inline unsigned ModeOf(const std::string &path)
{
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    return error ? 0u : static_cast<unsigned>(status.permissions() & std::filesystem::perms::mask);
}

// Waits until a file that another process writes has content; false after ten seconds.
inline bool WaitForFileContent(const std::string &path)
{
    for (int i = 0; i < 1000; ++i) {
        std::error_code error;
        if (std::filesystem::file_size(path, error) > 0 && !error)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// An executable shell script.
inline void WriteScript(const std::string &path, const std::string &body)
{
    WriteTextFile(path, "#!/bin/sh\n" + body);
    std::error_code error;
    std::filesystem::permissions(path,
        std::filesystem::perms::owner_all | std::filesystem::perms::group_read
            | std::filesystem::perms::group_exec | std::filesystem::perms::others_read
            | std::filesystem::perms::others_exec,
        error);
}

// Sets (or with nullopt unsets) an environment variable for the scope.
class TScopedEnv
{
public:
    TScopedEnv(std::string name, const std::optional<std::string> &value) : name_(std::move(name))
    {
        if (const char *old = std::getenv(name_.c_str()))
            old_ = old;
        set(value);
    }
    ~TScopedEnv() { set(old_); }
    TScopedEnv(const TScopedEnv &) = delete;
    TScopedEnv &operator=(const TScopedEnv &) = delete;

private:
    void set(const std::optional<std::string> &value) const
    {
#ifdef _WIN32
        // An empty value removes the variable there; none of the tests sets one empty.
        _putenv_s(name_.c_str(), value ? value->c_str() : "");
#else
        if (value)
            setenv(name_.c_str(), value->c_str(), 1);
        else
            unsetenv(name_.c_str());
#endif
    }

    std::string name_;
    std::optional<std::string> old_;
};
