// Shortcuts as freedesktop desktop entries.

#include "platform/File.h"

#include "core/Error.h"
#include "platform/posix/FileInternal.h"
#include "platform/posix/UniqueFd.h"

#include "core/Texts.h"
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <vector>

namespace {

// The escapes of a desktop entry string value.
std::string escapedValue(const std::string &text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\r':
            escaped += "\\r";
            break;
        default:
            escaped += c;
        }
    }
    if (!escaped.empty() && escaped.front() == ' ')
        escaped.replace(0, 1, "\\s");
    return escaped;
}

// One Exec argument, quoted; '%' is doubled so it cannot read as a field code.
std::string quotedArgument(const std::string &argument)
{
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    return quoted + "\"";
}

// Programs start themselves; documents and folders open in their usual application.
std::string execValue(const std::string &target, const std::string &arguments)
{
    std::vector<std::string> argv;
    if (IsExecutableFile(target)) {
        argv.push_back(target);
        for (std::string &argument : SplitCommandLine(arguments))
            argv.push_back(std::move(argument));
    } else {
        argv = {"xdg-open", target};
    }
    std::string line;
    for (const std::string &argument : argv)
        line += (line.empty() ? "" : " ") + quotedArgument(argument);
    return escapedValue(line);
}

std::string entryName(const std::string &linkPath, const std::string &target)
{
    const std::string name = GetFileNamePart(linkPath);
    const std::string bare = name.substr(0, name.size() - GetFileExtension(name).size());
    return bare.empty() ? GetFileNamePart(target) : bare;
}

std::string desktopEntryText(const TLinkFile &link, const std::string &linkPath)
{
    std::string text = "[Desktop Entry]\nType=Application\n";
    text += "Name=" + escapedValue(entryName(linkPath, link.ReferencePath)) + "\n";
    text += "Exec=" + execValue(link.ReferencePath, link.Arguments) + "\n";
    std::string workingPath = GetFullFileName(link.WorkingPath);
    if (workingPath.size() > 1 && workingPath.back() == PathDelimiter)
        workingPath.pop_back();
    if (!workingPath.empty())
        text += "Path=" + escapedValue(workingPath) + "\n";
    const std::string iconPath = GetFullFileName(link.IconPath);
    if (!iconPath.empty())
        text += "Icon=" + escapedValue(iconPath) + "\n";
    if (!link.Description.empty())
        text += "Comment=" + escapedValue(link.Description) + "\n";
    return text;
}

bool writeAll(int fd, const std::string &text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// Writes the file whole through a temporary beside it; returns 0 or the error number.
int writeExecutableFile(const std::string &path, const std::string &text)
{
    std::string temporary = TemporaryPatternBeside(path);
    TUniqueFd fd(mkostemp(temporary.data(), O_CLOEXEC));
    if (!fd.Valid())
        return errno;
    // Desktops start only entries that are marked executable.
    const bool written = writeAll(fd.Get(), text) && fchmod(fd.Get(), 0755) == 0;
    int error = written ? 0 : errno;
    if (close(fd.Release()) != 0 && error == 0)
        error = errno;
    if (error == 0 && rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0)
        unlink(temporary.c_str());
    return error;
}

bool entryExists(const std::string &path)
{
    struct stat status
    {
    };
    return lstat(path.c_str(), &status) == 0;
}

} // namespace

void TLinkFile::Clear()
{
    *this = TLinkFile();
}

void TLinkFile::Save(const std::string &linkPath, bool overwrite)
{
    FUNCTION_NAME("TLinkFile::Save");
    ReferencePath = GetFullFileName(ReferencePath);
    if (!IsLinkFile(ReferencePath) && !overwrite && entryExists(linkPath)) {
        FunStatContext.BeginFunction(HERE);
        return;
    }
    StatusGuard(HERE, [&](TFunStatContext &local) {
        if (IsLinkFile(ReferencePath)) {
            local.SetRaise(HERE, fsError,
                TR("Error", "This operating system does not support chained links."), linkPath);
        } else if (const int error
            = writeExecutableFile(linkPath, desktopEntryText(*this, linkPath))) {
            local.SetRaise(HERE, fsError, TR("Error", "Failed to save link file."), linkPath, {},
                static_cast<uint32_t>(error));
        }
        if (local.Status == fsError)
            Clear();
    });
}
