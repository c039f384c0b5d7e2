#pragma once
// The ini document (TMemIniFile) of the options and game files, and TStoredTextList, which binds
// one ini file to a load event and a save event and reports failures through the error guard.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The number rule of ini values: optional leading blanks, then either an optional sign and decimal
// digits that fit 32 signed bits, or "$", "x", "X", "0x" or "0X" and 1 to 8 hexadecimal digits
// taken as a 32-bit pattern; nothing may follow. Returns false (value untouched) otherwise.
bool TryTextToInteger(std::string_view text, int32_t &value);

// Makes a written file durable (fsync on POSIX); gets the temporary file before it replaces the
// target and the folder after. The default does nothing and succeeds.
using TFileSyncHook = std::function<bool(const std::string &path)>;
void SetFileSyncHook(TFileSyncHook hook);

// Writes bytes to an open file and returns how many were written; the default is fwrite. Tests
// replace it to make a write fail part-way.
using TFileWriteHook = std::function<size_t(std::FILE *file, const char *data, size_t size)>;
void SetFileWriteHook(TFileWriteHook hook);

// Why a file could not be written whole: the description ("Failed to write file."), the
// temporary file beside the target and the system's error code.
struct TWholeFileFailure
{
    std::string Description;
    std::string Temporary;
    uint32_t SystemErrorCode = 0;
};

// Writes text to fileName as the ini files are written: a temporary beside it replaces it, so the
// file is the old one or the new one, whole. It touches no error record, so any thread may call
// it. Nothing on success.
std::optional<TWholeFileFailure> WriteWholeFile(
    const std::string &fileName, const std::string &text);

struct TIniSection
{
    std::string Name;
    // Stored exactly as read or written, normally key "=" value.
    std::vector<std::string> Lines;

    // The first line of each key, by its key in folded case; built on first lookup and kept up to
    // date by the document's writes, so that a game of 3600 keys reads and writes in linear time.
    mutable std::unordered_map<std::string, size_t> FirstLineOfKey;
    mutable bool KeysIndexed = false;
};

class TMemIniFile
{
public:
    // Reads the file when a file of that name exists (raises when it cannot be read); otherwise
    // the document starts empty.
    explicit TMemIniFile(const std::string &fileName = {});

    const std::string &FileName() const { return fileName; }
    const std::vector<TIniSection> &Sections() const { return sections; }

    // Replaces the whole content with the parsed text / gives the text as written to disk.
    void SetText(std::string_view text);
    std::string GetText() const;

    std::string ReadString(
        const std::string &section, const std::string &key, const std::string &defaultValue) const;
    int32_t ReadInteger(
        const std::string &section, const std::string &key, int32_t defaultValue) const;
    // Raises when the key or value could not be read back as written (line breaks, NUL, a "="
    // in the key, a line that would read as a comment or a section).
    void WriteString(const std::string &section, const std::string &key, const std::string &value);
    void WriteInteger(const std::string &section, const std::string &key, int32_t value);
    void EraseSection(const std::string &section);
    bool SectionExists(const std::string &section) const;
    bool ValueExists(const std::string &section, const std::string &key) const;

    // Takes a new file name; the content stays and nothing is read.
    void Rename(const std::string &newFileName) { fileName = newFileName; }
    // Writes the whole document to its file: the old file is replaced whole or left untouched.
    void UpdateFile() const;

private:
    std::string fileName;
    std::vector<TIniSection> sections;

    const TIniSection *findSection(const std::string &section) const;
    TIniSection *findSection(const std::string &section);
    void readFile();
};

class TStoredTextList
{
public:
    using TEvent = std::function<void(TStoredTextList &list)>;

    explicit TStoredTextList(const std::string &fileName = {});
    virtual ~TStoredTextList();

    TEvent OnLoad;
    TEvent OnSave;

    const std::string &FileName() const { return fileName; }
    // None until the first Load or SaveAs, and after a Load that could not read the file.
    TMemIniFile *Document() const { return document.get(); }

    // Reads FileName into a new document and runs OnLoad; failures are shown as
    // "Failed to load file." and give false.
    bool Load();
    bool LoadFrom(const std::string &newFileName);
    // Runs OnSave and writes the document to FileName; with `ask`, an existing file is replaced
    // only when the user agrees. True when the file was written.
    bool Save(bool ask);
    // A list without a document first reads the file at the new name when it exists; a failure
    // of that read goes to the caller.
    bool SaveAs(const std::string &newFileName, bool ask);

    // Accessors for the events; they raise and catch nothing.
    bool ValueExists(const std::string &section, const std::string &key) const;
    void ReadText(const std::string &section, const std::string &key, bool allowEmpty,
        std::string &value, size_t maxLength) const;
    void WriteText(const std::string &section, const std::string &key, const std::string &value);
    void ReadFlag(const std::string &section, const std::string &key, bool &flag) const;
    void WriteFlag(const std::string &section, const std::string &key, bool flag);
    void ReadNumber(const std::string &section, const std::string &key, int32_t &value,
        int32_t maximum, int32_t minimum) const;
    void WriteNumber(const std::string &section, const std::string &key, int32_t value);
    void ClearSection(const std::string &section);

private:
    std::string fileName;
    std::unique_ptr<TMemIniFile> document;

    TMemIniFile &requireDocument() const;
};
