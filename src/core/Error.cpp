#include "core/Error.h"

#include "core/Dialogs.h"
#include "core/MyTime.h"
#include "core/Texts.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cxxabi.h>
#include <memory>

TFunStatContext FunStatContext;
TErr Err;

namespace {

IErrorDialog *errorDialog = nullptr;

std::function<std::string()> &programPathProvider()
{
    static std::function<std::string()> provider;
    return provider;
}

std::function<std::string(uint32_t)> &systemErrorTextProvider()
{
    static std::function<std::string(uint32_t)> provider;
    return provider;
}

TThrowRecord &lastThrow()
{
    static TThrowRecord record;
    return record;
}

const char *const CrLf = "\r\n";
const char *const TimeSeparator = " \x7f ";

std::string fileNamePart(const std::string &path)
{
#ifdef _WIN32
    const auto delimiter = path.find_last_of("\\/:");
#else
    const auto delimiter = path.find_last_of('/');
#endif
    return delimiter == std::string::npos ? path : path.substr(delimiter + 1);
}

std::string quoted(const std::string &text)
{
    return "\"" + text + "\"";
}

std::string formatReal(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

int32_t recursionCount()
{
    return errorDialog ? errorDialog->RecursionCount() : 0;
}

// Lines of a context text. Composing is guarded: whatever was composed before a failing piece is
// kept and returned.
class TContextLines
{
public:
    void Add(const std::string &line)
    {
        text += CrLf;
        text += line;
    }
    void AddBlockTitle(const std::string &title)
    {
        Add("");
        Add(title);
    }
    void AddRaiseDetails(const std::string &description, const std::string &parameter1,
        const std::string &parameter2, uint32_t systemErrorCode)
    {
        Add("* Description: " + quoted(description));
        if (!parameter1.empty())
            Add("* Parameter 1: " + quoted(parameter1));
        if (!parameter2.empty())
            Add("* Parameter 2: " + quoted(parameter2));
        if (systemErrorCode != 0) {
            Add("* System error code: " + std::to_string(static_cast<int32_t>(systemErrorCode)));
            Add("* System error description: " + quoted(SystemErrorText(systemErrorCode)));
        }
    }
    void AddLocation(const std::string &file, const std::string &function, int32_t line)
    {
        Add("* File: " + quoted(fileNamePart(file)));
        Add("* Function: " + quoted(function));
        Add("* Line: " + std::to_string(line));
    }
    void AddProgramInfo()
    {
        Add("* Time: " + DateTimeText(Now(), TimeSeparator));
        Add("* Program: " + ProgramPathForReports());
        Add("* Recursive attempts: " + std::to_string(recursionCount()));
    }

    std::string text;
};

template<class Compose>
std::string composeGuarded(Compose &&compose)
{
    TContextLines lines;
    try {
        compose(lines);
    } catch (...) { }
    return lines.text;
}

bool showContext(const std::string &caption, const std::string &description, bool *okayNoErrors,
    const std::function<std::string()> &contextText)
{
    if (!errorDialog) {
        if (okayNoErrors)
            *okayNoErrors = false;
        DialogBox(TR("Message", "Error"),
            TR("Error", "The error-dialog form is not created. You must create it."), 0);
        return false;
    }
    const std::string text = contextText();
    return errorDialog->ShowError(caption, description, okayNoErrors, text);
}

} // namespace

// ---- Services ---------------------------------------------------------------------------------

void RegisterErrorDialog(IErrorDialog *dialog)
{
    errorDialog = dialog;
}

IErrorDialog *RegisteredErrorDialog()
{
    return errorDialog;
}

void SetProgramPathProvider(std::function<std::string()> provider)
{
    programPathProvider() = std::move(provider);
}

void SetSystemErrorTextProvider(std::function<std::string(uint32_t)> provider)
{
    systemErrorTextProvider() = std::move(provider);
}

std::string ProgramPathForReports()
{
    return programPathProvider() ? programPathProvider()() : std::string();
}

std::string SystemErrorText(uint32_t code)
{
    std::string text = systemErrorTextProvider()
        ? systemErrorTextProvider()(code)
        : std::string(std::strerror(static_cast<int>(code)));
    if (text.size() > 255)
        text.resize(255);
    while (!text.empty()) {
        const unsigned char last = static_cast<unsigned char>(text.back());
        if (last >= ' ' && last != ' ' && last != '.' && last != 127)
            break;
        text.pop_back();
    }
    return text;
}

void SetLastSystemError(uint32_t code)
{
    errno = static_cast<int>(code);
}

uint32_t LastSystemError()
{
    return static_cast<uint32_t>(errno);
}

// ---- TFunStatContext --------------------------------------------------------------------------

TFunStatContext::TFunStatContext(const TFunStatContext &other)
{
    CopyReportFrom(other);
}

TFunStatContext &TFunStatContext::operator=(const TFunStatContext &other)
{
    if (this != &other)
        CopyReportFrom(other);
    return *this;
}

void TFunStatContext::CopyReportFrom(const TFunStatContext &other)
{
    Status = other.Status;
    File = other.File;
    Function = other.Function;
    Line = other.Line;
    Description = other.Description;
    Parameter1 = other.Parameter1;
    Parameter2 = other.Parameter2;
    SystemErrorCode = other.SystemErrorCode;
    UserCode = other.UserCode;
    UserText = other.UserText;
    UserInt = other.UserInt;
    UserReal = other.UserReal;
}

void TFunStatContext::Reset(int32_t status)
{
    SetRaise({}, {}, 0, status, {});
}

void TFunStatContext::ResetUser()
{
    UserCode = 0;
    UserText.clear();
    UserInt = 0;
    UserReal = 0.0;
}

void TFunStatContext::BeginFunction(
    const std::string &file, const std::string &function, int32_t line)
{
    SetRaise(file, function, line, fsBeginFunctionError, {});
}

void TFunStatContext::SetRaise(const std::string &file, const std::string &function, int32_t line,
    int32_t status, const std::string &description, const std::string &parameter1,
    const std::string &parameter2, uint32_t systemErrorCode)
{
    Status = status;
    File = file;
    Function = function;
    Line = line;
    Description = description;
    Parameter1 = parameter1;
    Parameter2 = parameter2;
    SystemErrorCode = systemErrorCode;
}

void TFunStatContext::SetShow(const std::string &file, const std::string &function, int32_t line)
{
    ShowFile = file;
    ShowFunction = function;
    ShowLine = line;
}

std::string TFunStatContext::StatusText(int32_t status)
{
    switch (status) {
    case fsPerfect:
        return TR_MARK("Error", "Perfect");
    case fsWarning:
        return TR_MARK("Error", "Warning");
    case fsError:
        return TR_MARK("Error", "Error");
    case fsBeginFunctionError:
        return TR_MARK("Error", "Begin function error");
    case fsPanic:
        return TR_MARK("Error", "Panic");
    case fsCatastrophe:
        return TR_MARK("Error", "Catastrophe");
    default:
        return TR_MARK("Error", "Unknown function status");
    }
}

std::string TFunStatContext::ContextText() const
{
    return composeGuarded([this](TContextLines &lines) {
        lines.Add("RAISE CONTEXT");
        std::string statusLine = "* Status: " + StatusText(Status);
        if (Status == fsCatastrophe)
            statusLine += ": CATASTROPHIC FAILURE!!! It is highly recommended to terminate the "
                          "program immediately!";
        lines.Add(statusLine);
        lines.AddLocation(File, Function, Line);
        lines.AddRaiseDetails(Description, Parameter1, Parameter2, SystemErrorCode);
        lines.AddBlockTitle("SHOW CONTEXT");
        lines.AddLocation(ShowFile, ShowFunction, ShowLine);
        lines.AddBlockTitle("INFO");
        lines.AddProgramInfo();
        lines.AddBlockTitle("USER INFO");
        lines.Add("* UserCode: " + std::to_string(UserCode));
        lines.Add("* UserText: " + UserText);
        lines.Add("* UserInt: " + std::to_string(UserInt));
        lines.Add("* UserReal: " + formatReal(UserReal));
    });
}

bool TFunStatContext::Show(const std::string &description, bool *okayNoErrors)
{
    // The caption in the player's language; the report's status line stays as written.
    return showContext(TranslatedText("Error", StatusText(Status).c_str()), description,
        okayNoErrors, [this] { return ContextText(); });
}

void TFunStatContext::OnApplicationException(const std::string &exceptionMessage)
{
    FUNCTION_NAME("TFunStatContext::OnApplicationException");
    const std::string description
        = FormatText(TR("Error", "Unhandled error.\r\n%1"), {exceptionMessage});
    SetRaise(HERE, fsError, description, {}, {}, LastSystemError());
    SetShow(HERE);
    Show(description);
    Reset(fsPerfect);
}

// ---- TErr -------------------------------------------------------------------------------------

void TErr::Reset()
{
    *this = TErr();
}

void TErr::Raise(const std::string &file, const std::string &function, int32_t line,
    const std::string &description, const std::string &parameter1, const std::string &parameter2,
    uint32_t systemErrorCode)
{
    Raised = true;
    File = file;
    Function = function;
    Line = line;
    Description = description;
    Parameter1 = parameter1;
    Parameter2 = parameter2;
    SystemErrorCode = systemErrorCode;
}

void TErr::SetCaught(const std::string &message)
{
    const TThrowRecord thrown = TakeLastThrow();
    Raise(thrown.File, {}, thrown.Line, message, thrown.TypeName, {}, 0);
}

void TErr::SetTrap(const std::string &file, const std::string &function, int32_t line)
{
    Raised = true;
    TrapFile = file;
    TrapFunction = function;
    TrapLine = line;
}

std::string TErr::ContextText() const
{
    return composeGuarded([this](TContextLines &lines) {
        lines.Add("RAISE CONTEXT");
        lines.AddLocation(File, Function, Line);
        lines.AddRaiseDetails(Description, Parameter1, Parameter2, SystemErrorCode);
        lines.AddBlockTitle("TRAP CONTEXT");
        lines.AddLocation(TrapFile, TrapFunction, TrapLine);
        lines.AddBlockTitle("LOGGED");
        lines.AddProgramInfo();
    });
}

bool TErr::Show(const std::string &description, bool *okayNoErrors)
{
    return showContext(
        TR("Error", "Error"), description, okayNoErrors, [this] { return ContextText(); });
}

// ---- Throws -----------------------------------------------------------------------------------

void RecordThrow(const char *file, int32_t line, std::string typeName)
{
    lastThrow() = TThrowRecord {file ? file : "", line, std::move(typeName)};
}

TThrowRecord TakeLastThrow()
{
    return std::exchange(lastThrow(), TThrowRecord {});
}

std::string DemangledTypeName(const char *mangled)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void *)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    return status == 0 && demangled ? std::string(demangled.get()) : std::string(mangled);
}

void RaiseError(const char *file, const char *function, int32_t line,
    const std::string &description, const std::string &parameter1, const std::string &parameter2,
    uint32_t systemErrorCode)
{
    Err.Raise(file, function, line, description, parameter1, parameter2, systemErrorCode);
    RecordThrow(file, line, "TRaisedErr");
    throw RaisedErrValue;
}

// ---- System-call results ----------------------------------------------------------------------

namespace {

// The last-error codes of each system for not enough storage, already exists, request aborted,
// and a search that found no entry.
#ifdef _WIN32
constexpr uint32_t NotEnoughStorage = 14, AlreadyExists = 183, RequestAborted = 1235;
constexpr int32_t NoEntryFound = 2, NoMoreEntries = 18;
#else
constexpr uint32_t NotEnoughStorage = ENOMEM, AlreadyExists = EEXIST, RequestAborted = ECANCELED;
constexpr int32_t NoEntryFound = ENOENT, NoMoreEntries = ENOENT;
#endif

} // namespace

bool SystemCallFailed()
{
    const uint32_t code = LastSystemError();
    return code != 0 && code != NotEnoughStorage && code != RequestAborted;
}

bool SystemCallFailedExceptExisting()
{
    return SystemCallFailed() && LastSystemError() != AlreadyExists;
}

bool FindResultOk(int32_t code)
{
    return code == 0 || code == NoEntryFound || code == NoMoreEntries || code == FindNoMoreFiles;
}

bool ComCallFailed(int32_t result)
{
    return result < 0 && static_cast<uint32_t>(result) != 0x800704C7u;
}

// ---- Guards -----------------------------------------------------------------------------------

bool CalleeFailed(TFunStatContext &local)
{
    if (!FunStatContext.Failed())
        return false;
    local = FunStatContext;
    return true;
}

bool ShowCalleeFailure(
    const char *file, const char *function, int32_t line, const std::string &failedOperation)
{
    if (!FunStatContext.Failed())
        return false;
    FunStatContext.SetShow(file, function, line);
    FunStatContext.Show(failedOperation);
    FunStatContext.Reset(fsPerfect);
    return true;
}
