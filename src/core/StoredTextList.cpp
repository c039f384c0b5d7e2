#include "core/StoredTextList.h"

#include "core/Basic.h"
#include "core/Dialogs.h"
#include "core/Error.h"
#include "core/SystemFile.h"
#include "core/Texts.h"
#include "core/Utilities.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

// ---- Hooks --------------------------------------------------------------------------------------

namespace {

TFileSyncHook &fileSyncHook()
{
    static TFileSyncHook hook;
    return hook;
}

TFileWriteHook &fileWriteHook()
{
    static TFileWriteHook hook;
    return hook;
}

bool syncToDisk(const std::string &path)
{
    return !fileSyncHook() || fileSyncHook()(path);
}

size_t writeBytes(std::FILE *file, const char *data, size_t size)
{
    return fileWriteHook() ? fileWriteHook()(file, data, size) : std::fwrite(data, 1, size, file);
}

} // namespace

void SetFileSyncHook(TFileSyncHook hook)
{
    fileSyncHook() = std::move(hook);
}

void SetFileWriteHook(TFileWriteHook hook)
{
    fileWriteHook() = std::move(hook);
}

// ---- Numbers ------------------------------------------------------------------------------------

namespace {

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

size_t hexPrefixLength(std::string_view text)
{
    if (text.starts_with("0x") || text.starts_with("0X"))
        return 2;
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X'))
        return 1;
    return 0;
}

bool parseHex(std::string_view digits, int32_t &value)
{
    if (digits.empty() || digits.size() > 8)
        return false;
    uint32_t pattern = 0;
    for (char c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            return false;
        pattern = pattern << 4 | static_cast<uint32_t>(digit);
    }
    value = static_cast<int32_t>(pattern);
    return true;
}

bool parseDecimal(std::string_view text, int32_t &value)
{
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+'))
        text.remove_prefix(1);
    if (text.empty())
        return false;
    const int64_t limit = negative ? 2147483648LL : 2147483647LL;
    int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return false;
    }
    value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return true;
}

} // namespace

bool TryTextToInteger(std::string_view text, int32_t &value)
{
    while (text.starts_with(' '))
        text.remove_prefix(1);
    if (const size_t prefix = hexPrefixLength(text))
        return parseHex(text.substr(prefix), value);
    return parseDecimal(text, value);
}

// ---- Text helpers -------------------------------------------------------------------------------

namespace {

// Index of the first line whose key (the text before its first "="; a line without one has no
// key) equals `key` ignoring case, or npos.
size_t firstLineOfKey(const TIniSection &section, const std::string &key)
{
    if (!section.KeysIndexed) {
        section.FirstLineOfKey.clear();
        for (size_t i = 0; i < section.Lines.size(); ++i) {
            const size_t equals = section.Lines[i].find('=');
            if (equals != std::string::npos)
                section.FirstLineOfKey.emplace(
                    LowerAsciiText(std::string_view(section.Lines[i]).substr(0, equals)), i);
        }
        section.KeysIndexed = true;
    }
    const auto found = section.FirstLineOfKey.find(LowerAsciiText(key));
    return found == section.FirstLineOfKey.end() ? std::string::npos : found->second;
}

bool isSectionLine(std::string_view line)
{
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

bool hasLineBreakOrNul(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// Whether the line key "=" value reads back as the same key and value.
bool readsBackAsWritten(
    const std::string &section, const std::string &key, const std::string &value)
{
    if (hasLineBreakOrNul(section) || hasLineBreakOrNul(key) || hasLineBreakOrNul(value))
        return false;
    if (key.find('=') != std::string::npos || key.starts_with(';'))
        return false;
    return !isSectionLine(key + "=" + value);
}

} // namespace

// ---- TMemIniFile --------------------------------------------------------------------------------

TMemIniFile::TMemIniFile(const std::string &fileName) : fileName(fileName)
{
    readFile();
}

void TMemIniFile::SetText(std::string_view text)
{
    sections.clear();
    text = text.substr(0, text.find('\0'));
    size_t position = 0;
    while (position < text.size()) {
        const size_t end = std::min(text.find_first_of("\r\n", position), text.size());
        const std::string_view line = text.substr(position, end - position);
        position = end;
        if (text.substr(position).starts_with("\r\n"))
            position += 2;
        else if (position < text.size())
            position += 1;

        if (line.empty() || line.front() == ';')
            continue;
        if (isSectionLine(line))
            sections.emplace_back().Name = line.substr(1, line.size() - 2);
        else if (!sections.empty())
            sections.back().Lines.emplace_back(line);
    }
}

std::string TMemIniFile::GetText() const
{
    std::string text;
    for (const TIniSection &section : sections) {
        text += "[" + section.Name + "]\r\n";
        for (const std::string &line : section.Lines)
            text += line + "\r\n";
        text += "\r\n";
    }
    return text;
}

const TIniSection *TMemIniFile::findSection(const std::string &section) const
{
    const auto found = std::find_if(sections.begin(), sections.end(),
        [&](const TIniSection &s) { return SameTextIgnoringCase(s.Name, section); });
    return found == sections.end() ? nullptr : &*found;
}

TIniSection *TMemIniFile::findSection(const std::string &section)
{
    return const_cast<TIniSection *>(std::as_const(*this).findSection(section));
}

bool TMemIniFile::SectionExists(const std::string &section) const
{
    return findSection(section) != nullptr;
}

bool TMemIniFile::ValueExists(const std::string &section, const std::string &key) const
{
    const TIniSection *found = findSection(section);
    return found && firstLineOfKey(*found, key) != std::string::npos;
}

std::string TMemIniFile::ReadString(
    const std::string &section, const std::string &key, const std::string &defaultValue) const
{
    const TIniSection *found = findSection(section);
    if (!found)
        return defaultValue;
    const size_t line = firstLineOfKey(*found, key);
    return line == std::string::npos ? defaultValue : found->Lines[line].substr(key.size() + 1);
}

int32_t TMemIniFile::ReadInteger(
    const std::string &section, const std::string &key, int32_t defaultValue) const
{
    int32_t value = 0;
    return TryTextToInteger(ReadString(section, key, {}), value) ? value : defaultValue;
}

void TMemIniFile::WriteString(
    const std::string &section, const std::string &key, const std::string &value)
{
    FUNCTION_NAME("TMemIniFile::WriteString");
    if (!readsBackAsWritten(section, key, value))
        RaiseError(HERE, TR("Error", "The text cannot be stored in an ini file."), key, value);
    TIniSection *target = findSection(section);
    if (!target) {
        target = &sections.emplace_back();
        target->Name = section;
    }
    std::string line = key + "=" + value;
    const size_t existing = firstLineOfKey(*target, key);
    if (existing != std::string::npos) {
        target->Lines[existing] = std::move(line);
    } else {
        target->Lines.push_back(std::move(line));
        target->FirstLineOfKey.emplace(LowerAsciiText(key), target->Lines.size() - 1);
    }
}

void TMemIniFile::WriteInteger(const std::string &section, const std::string &key, int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

void TMemIniFile::EraseSection(const std::string &section)
{
    const TIniSection *found = findSection(section);
    if (found)
        sections.erase(sections.begin() + (found - sections.data()));
}

// ---- Reading and writing the file ---------------------------------------------------------------

namespace {

struct TFileCloser
{
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using TFilePtr = std::unique_ptr<std::FILE, TFileCloser>;

// What stopped a replacement; thrown by the steps below and turned into the caller's report.
struct TReplacementFailure
{
    std::string Description;
    std::string Temporary;
    uint32_t SystemErrorCode = 0;
};

// A temporary file beside the target that is removed unless it has replaced the target. It uses
// no error records, so that any thread may write a file with it.
class TReplacementFile
{
public:
    explicit TReplacementFile(const fs::path &target) : target(target) { }
    ~TReplacementFile()
    {
        file.reset();
        if (!path.empty() && !committed) {
            std::error_code ignored;
            fs::remove(path, ignored);
        }
    }

    void Create();
    void Write(const std::string &text);
    void Close();
    void ReplaceTarget();

private:
    [[noreturn]] void fail(const std::string &description, uint32_t code) const
    {
        throw TReplacementFailure {description, Utf8Path(path), code};
    }

    fs::path target;
    fs::path path;
    TFilePtr file;
    bool committed = false;
};

void TReplacementFile::Create()
{
    // One temporary name per target: what a save that was killed left there is taken away, so
    // that temporaries never pile up. Creation is exclusive, so that a link put in its place is
    // removed rather than written through.
    path = target;
    path += ".tmp";
    for (int attempt = 0; attempt < 2; ++attempt) {
        SetLastSystemError(0);
        file.reset(OpenSystemFile(path, "wbx"));
        if (file)
            return;
        const uint32_t code = LastSystemError();
        std::error_code ignored;
        if (!fs::exists(fs::symlink_status(path, ignored)))
            break;
        fs::remove(path, ignored);
        SetLastSystemError(code);
    }
    const uint32_t code = LastSystemError();
    const std::string tried = Utf8Path(path);
    path.clear();
    throw TReplacementFailure {TR("Error", "Failed to create file."), tried, code};
}

void TReplacementFile::Write(const std::string &text)
{
    constexpr size_t chunkSize = 64 * 1024;
    for (size_t offset = 0; offset < text.size(); offset += chunkSize) {
        const size_t size = std::min(chunkSize, text.size() - offset);
        SetLastSystemError(0);
        if (writeBytes(file.get(), text.data() + offset, size) != size)
            fail(TR("Error", "Failed to write file."), LastSystemError());
    }
}

void TReplacementFile::Close()
{
    SetLastSystemError(0);
    const bool flushed = std::fflush(file.get()) == 0 && !std::ferror(file.get());
    const bool closed = std::fclose(file.release()) == 0;
    if (!flushed || !closed)
        fail(TR("Error", "Failed to write file."), LastSystemError());
    std::error_code ec;
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::is_regular_file(old))
        fs::permissions(path, old.permissions(), ec);
    SetLastSystemError(0);
    if (!syncToDisk(Utf8Path(path)))
        fail(TR("Error", "Failed to write file."), LastSystemError());
}

void TReplacementFile::ReplaceTarget()
{
    std::error_code ec;
    ReplaceSystemFile(path, target, ec);
    if (ec)
        fail(TR("Error", "Failed to replace file."), static_cast<uint32_t>(ec.value()));
    committed = true;
    // The rename is durable only once the folder is; the file is whole either way.
    const fs::path folder = target.parent_path();
    syncToDisk(folder.empty() ? std::string(".") : Utf8Path(folder));
}

void replaceWhole(const fs::path &target, const std::string &text)
{
    TReplacementFile replacement(target);
    replacement.Create();
    replacement.Write(text);
    replacement.Close();
    replacement.ReplaceTarget();
}

bool isReadOnly(const fs::path &path)
{
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    return !ec && fs::exists(status)
        && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

// A link is followed, so that the file it names is replaced rather than the link itself.
fs::path resolvedTarget(const std::string &fileName)
{
    const fs::path path = SystemPath(fileName);
    std::error_code ec;
    if (!fs::is_symlink(path, ec))
        return path;
    const fs::path resolved = fs::canonical(path, ec);
    return ec ? path : resolved;
}

} // namespace

void TMemIniFile::readFile()
{
    FUNCTION_NAME("TMemIniFile::TMemIniFile");
    std::error_code ec;
    if (fileName.empty() || !fs::is_regular_file(SystemPath(fileName), ec))
        return;
    SetLastSystemError(0);
    TFilePtr file(OpenSystemFile(SystemPath(fileName), "rb"));
    if (!file)
        RaiseError(HERE, TR("Error", "Failed to open file."), fileName, {}, LastSystemError());
    std::string text;
    char buffer[64 * 1024];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        text.append(buffer, count);
    if (std::ferror(file.get()))
        RaiseError(HERE, TR("Error", "Failed to read file."), fileName, {}, LastSystemError());
    SetText(text);
}

void TMemIniFile::UpdateFile() const
{
    FUNCTION_NAME("TMemIniFile::UpdateFile");
    const fs::path target = resolvedTarget(fileName);
    if (isReadOnly(target))
        RaiseError(HERE, TR("Error", "The file is read-only."), fileName, {}, EACCES);
    try {
        replaceWhole(target, GetText());
    } catch (const TReplacementFailure &failure) {
        RaiseError(HERE, failure.Description, fileName, failure.Temporary, failure.SystemErrorCode);
    }
}

std::optional<TWholeFileFailure> WriteWholeFile(
    const std::string &fileName, const std::string &text)
{
    try {
        replaceWhole(resolvedTarget(fileName), text);
    } catch (const TReplacementFailure &failure) {
        return TWholeFileFailure {failure.Description, failure.Temporary, failure.SystemErrorCode};
    } catch (const std::exception &e) {
        return TWholeFileFailure {e.what(), {}, 0};
    }
    return std::nullopt;
}

// ---- TStoredTextList ----------------------------------------------------------------------------

namespace {

bool pathExists(const std::string &path)
{
    std::error_code ec;
    return !path.empty() && fs::exists(SystemPath(path), ec);
}

void clearReadOnlyAttr(const std::string &path)
{
    std::error_code ec;
    const fs::path systemPath = SystemPath(path);
    if (isReadOnly(systemPath))
        fs::permissions(systemPath, fs::perms::owner_write, fs::perm_options::add, ec);
}

} // namespace

TStoredTextList::TStoredTextList(const std::string &fileName) : fileName(fileName) { }

TStoredTextList::~TStoredTextList() = default;

bool TStoredTextList::Load()
{
    FUNCTION_NAME("TStoredTextList::Load");
    Err.Reset();
    return ErrorGuardShow(HERE, TR("Error", "Failed to load file."), [&] {
        document.reset();
        document = std::make_unique<TMemIniFile>(fileName);
        if (OnLoad)
            OnLoad(*this);
    });
}

bool TStoredTextList::LoadFrom(const std::string &newFileName)
{
    fileName = newFileName;
    return Load();
}

bool TStoredTextList::Save(bool ask)
{
    FUNCTION_NAME("TStoredTextList::Save");
    Err.Reset();
    bool written = false;
    ErrorGuardShow(HERE, TR("Error", "Failed to save file."), [&] {
        if (!document)
            RaiseError(HERE, TR("Error", "The file has not been loaded."), fileName);
        if (ask && pathExists(fileName)
            && !QueryDialog(
                FormatText(TR("Message", "File \"%1\"already exists.\nOverwrite it?"), {fileName})))
            return;
        if (OnSave)
            OnSave(*this);
        clearReadOnlyAttr(fileName);
        document->UpdateFile();
        written = true;
    });
    return written;
}

bool TStoredTextList::SaveAs(const std::string &newFileName, bool ask)
{
    fileName = newFileName;
    if (!document)
        document = std::make_unique<TMemIniFile>(fileName);
    document->Rename(fileName);
    return Save(ask);
}

TMemIniFile &TStoredTextList::requireDocument() const
{
    FUNCTION_NAME("TStoredTextList::requireDocument");
    if (!document)
        RaiseError(HERE, TR("Error", "The file has not been loaded."), fileName);
    return *document;
}

bool TStoredTextList::ValueExists(const std::string &section, const std::string &key) const
{
    return requireDocument().ValueExists(section, key);
}

void TStoredTextList::ReadText(const std::string &section, const std::string &key, bool allowEmpty,
    std::string &value, size_t maxLength) const
{
    std::string text = requireDocument().ReadString(section, key, value);
    if ((allowEmpty || !text.empty()) && text.size() <= maxLength)
        value = std::move(text);
}

void TStoredTextList::WriteText(
    const std::string &section, const std::string &key, const std::string &value)
{
    requireDocument().WriteString(section, key, value);
}

void TStoredTextList::ReadFlag(const std::string &section, const std::string &key, bool &flag) const
{
    flag = TextToBool(requireDocument().ReadString(section, key, BoolToText(flag)));
}

void TStoredTextList::WriteFlag(const std::string &section, const std::string &key, bool flag)
{
    requireDocument().WriteString(section, key, BoolToText(flag));
}

void TStoredTextList::ReadNumber(const std::string &section, const std::string &key, int32_t &value,
    int32_t maximum, int32_t minimum) const
{
    const int32_t result = requireDocument().ReadInteger(section, key, value);
    if (minimum <= result && result <= maximum)
        value = result;
}

void TStoredTextList::WriteNumber(const std::string &section, const std::string &key, int32_t value)
{
    requireDocument().WriteInteger(section, key, value);
}

void TStoredTextList::ClearSection(const std::string &section)
{
    requireDocument().EraseSection(section);
}
