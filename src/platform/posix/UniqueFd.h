#pragma once
// Owners of POSIX descriptors and directory streams, closed on every way out of a scope.

#include <dirent.h>
#include <unistd.h>

class TUniqueFd
{
public:
    explicit TUniqueFd(int fd = -1) : fd_(fd) { }
    ~TUniqueFd() { Reset(); }
    TUniqueFd(const TUniqueFd &) = delete;
    TUniqueFd &operator=(const TUniqueFd &) = delete;

    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    int Release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    void Reset(int fd = -1)
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

class TUniqueDir
{
public:
    explicit TUniqueDir(DIR *dir = nullptr) : dir_(dir) { }
    ~TUniqueDir() { Reset(); }
    TUniqueDir(const TUniqueDir &) = delete;
    TUniqueDir &operator=(const TUniqueDir &) = delete;

    DIR *Get() const { return dir_; }
    bool Valid() const { return dir_ != nullptr; }
    void Reset(DIR *dir = nullptr)
    {
        if (dir_)
            ::closedir(dir_);
        dir_ = dir;
    }

private:
    DIR *dir_;
};
