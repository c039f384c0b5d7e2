#pragma once
// The error records and the two guards every fallible routine runs under.
//
// A routine either raises (fills Err and throws TRaisedErr) up to the nearest error guard, or
// reports through a status context that it publishes in FunStatContext when it returns.
// Locations: each function declares its name once with FUNCTION_NAME("Class::Method") and passes
// HERE (file, function, line) wherever a location is asked for.

#include "core/Texts.h"
#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <utility>

#define FUNCTION_NAME(name) static constexpr const char *ThisFunction = name
#define HERE __FILE__, ThisFunction, __LINE__

enum TFunStatus : int32_t {
    fsPerfect = 0,
    fsWarning = 1,
    fsError = 2,
    fsBeginFunctionError = 3,
    fsPanic = 4,
    fsCatastrophe = 5,
};

// What the error dialog offers the records; the dialog registers itself when it is created.
class IErrorDialog
{
public:
    virtual ~IErrorDialog() = default;
    virtual bool ShowError(const std::string &caption, const std::string &description,
        bool *okayNoErrors, const std::string &contextText)
        = 0;
    virtual int32_t RecursionCount() const = 0;
};

void RegisterErrorDialog(IErrorDialog *dialog);
IErrorDialog *RegisteredErrorDialog();

// Services the context texts need from outside core. Each has a sensible default; the program
// installs the real ones at start and tests fix them.
void SetProgramPathProvider(std::function<std::string()> provider);
void SetSystemErrorTextProvider(std::function<std::string(uint32_t code)> provider);
std::string ProgramPathForReports();
std::string SystemErrorText(uint32_t code);

// The thread's last system error code (errno here).
void SetLastSystemError(uint32_t code);
uint32_t LastSystemError();

class TFunStatContext
{
public:
    int32_t Status = fsPerfect;
    std::string File;
    std::string Function;
    int32_t Line = 0;
    std::string Description;
    std::string Parameter1;
    std::string Parameter2;
    uint32_t SystemErrorCode = 0;

    std::string ShowFile;
    std::string ShowFunction;
    int32_t ShowLine = 0;

    int32_t UserCode = 0;
    std::string UserText;
    int32_t UserInt = 0;
    double UserReal = 0.0;

    TFunStatContext() = default;
    // Copies leave the target's show fields alone: where a report was shown belongs to the target.
    TFunStatContext(const TFunStatContext &other);
    TFunStatContext &operator=(const TFunStatContext &other);

    void Reset(int32_t status = fsPerfect);
    void ResetUser();
    void BeginFunction(const std::string &file, const std::string &function, int32_t line);
    void SetRaise(const std::string &file, const std::string &function, int32_t line,
        int32_t status, const std::string &description, const std::string &parameter1 = {},
        const std::string &parameter2 = {}, uint32_t systemErrorCode = 0);
    void SetShow(const std::string &file, const std::string &function, int32_t line);

    static std::string StatusText(int32_t status);
    std::string ContextText() const;
    bool Show(const std::string &description, bool *okayNoErrors = nullptr);

    // The last resort for an exception that escaped an event handler.
    void OnApplicationException(const std::string &exceptionMessage);

    bool Failed() const { return Status > fsWarning; }

private:
    void CopyReportFrom(const TFunStatContext &other);
};

// Thrown after Err has been filled; carries nothing itself.
enum TRaisedErr : int32_t { RaisedErrValue = 0 };

class TErr
{
public:
    bool Raised = false;
    std::string File;
    std::string Function;
    int32_t Line = 0;
    std::string Description;
    std::string Parameter1;
    std::string Parameter2;
    uint32_t SystemErrorCode = 0;
    std::string TrapFile;
    std::string TrapFunction;
    int32_t TrapLine = 0;

    void Reset();
    void Raise(const std::string &file, const std::string &function, int32_t line,
        const std::string &description, const std::string &parameter1 = {},
        const std::string &parameter2 = {}, uint32_t systemErrorCode = 0);
    void SetCaught(const std::string &message);
    void SetTrap(const std::string &file, const std::string &function, int32_t line);
    std::string ContextText() const;
    bool Show(const std::string &description, bool *okayNoErrors = nullptr);
};

extern TFunStatContext FunStatContext;
extern TErr Err;

// The most recent throw, as recorded by THROW: where it happened and what was thrown.
struct TThrowRecord
{
    std::string File;
    int32_t Line = 0;
    std::string TypeName;
};
void RecordThrow(const char *file, int32_t line, std::string typeName);
TThrowRecord TakeLastThrow();
std::string DemangledTypeName(const char *mangled);

#define THROW(object)                                                                              \
    do {                                                                                           \
        auto &&thrown_ = (object);                                                                 \
        ::RecordThrow(__FILE__, __LINE__, ::DemangledTypeName(typeid(thrown_).name()));            \
        throw thrown_;                                                                             \
    } while (false)

// Fills Err and throws TRaisedErr.
[[noreturn]] void RaiseError(const char *file, const char *function, int32_t line,
    const std::string &description, const std::string &parameter1 = {},
    const std::string &parameter2 = {}, uint32_t systemErrorCode = 0);

// Tests of system-call results; read right after a call made with the last error cleared.
bool SystemCallFailed();
bool SystemCallFailedExceptExisting();
constexpr int32_t FindNoMoreFiles = -1; // end of a directory listing
bool FindResultOk(int32_t code);
bool ComCallFailed(int32_t result);

// ---- The error guard -------------------------------------------------------------------------

namespace detail {
template<class Work>
void RunUnderErrorGuard(const char *file, const char *function, int32_t line, Work &&work)
{
    Err.Raised = false;
    TakeLastThrow();
    try {
        std::forward<Work>(work)();
    } catch (TRaisedErr &) {
        Err.Raised = true;
    } catch (std::exception &e) {
        Err.SetCaught(e.what());
    } catch (...) {
        Err.SetCaught(TR("Error", "Unknown error."));
    }
    if (Err.Raised)
        Err.SetTrap(file, function, line);
}
} // namespace detail

// Runs work; a failure is shown in the error dialog under `failedOperation` ("Failed to ...").
// Returns true when the work succeeded.
template<class Work>
bool ErrorGuardShow(const char *file, const char *function, int32_t line,
    const std::string &failedOperation, Work &&work)
{
    detail::RunUnderErrorGuard(file, function, line, std::forward<Work>(work));
    if (!Err.Raised)
        return true;
    Err.Raised = false;
    Err.Show(failedOperation);
    return false;
}

// Runs work; a failure is recorded in Err and dropped. Returns true when the work succeeded.
template<class Work>
bool ErrorGuardSwallow(const char *file, const char *function, int32_t line, Work &&work)
{
    detail::RunUnderErrorGuard(file, function, line, std::forward<Work>(work));
    const bool succeeded = !Err.Raised;
    Err.Raised = false;
    return succeeded;
}

// ---- The status guard ------------------------------------------------------------------------

// After a call of another status-guarded function: takes over its failure into `local`.
// Returns true when the callee failed (status above Warning).
bool CalleeFailed(TFunStatContext &local);

namespace detail {
template<class Work>
TFunStatContext RunUnderStatusGuard(
    const char *file, const char *function, int32_t line, Work &&work)
{
    FunStatContext.BeginFunction(file, function, line);
    TFunStatContext local;
    TakeLastThrow();
    try {
        std::forward<Work>(work)(local);
    } catch (TRaisedErr &) {
        local.SetRaise(file, function, line, fsError, Err.Description, Err.Parameter1,
            Err.Parameter2, Err.SystemErrorCode);
    } catch (std::exception &e) {
        const TThrowRecord thrown = TakeLastThrow();
        local.SetRaise(file, function, line, fsError,
            FormatText(TR("Error", "Unhandled exception: %1"), {e.what()}), thrown.File,
            thrown.File.empty() ? std::string() : std::to_string(thrown.Line));
    } catch (...) {
        const TThrowRecord thrown = TakeLastThrow();
        local.SetRaise(file, function, line, fsError, TR("Error", "Unhandled generic exception."),
            thrown.File, thrown.File.empty() ? std::string() : std::to_string(thrown.Line));
    }
    return local;
}
} // namespace detail

// Runs work(local) and publishes its outcome in FunStatContext. Callers read
// FunStatContext.Status (or CalleeFailed) right after the call.
template<class Work>
void StatusGuard(const char *file, const char *function, int32_t line, Work &&work)
{
    FunStatContext = detail::RunUnderStatusGuard(file, function, line, std::forward<Work>(work));
}

// As StatusGuard, for a command handler: a failure is shown under `failedOperation` and the
// published outcome is Perfect again.
template<class Work>
void StatusGuardShow(const char *file, const char *function, int32_t line,
    const std::string &failedOperation, Work &&work)
{
    TFunStatContext local
        = detail::RunUnderStatusGuard(file, function, line, std::forward<Work>(work));
    if (local.Failed()) {
        local.SetShow(file, function, line);
        local.Show(failedOperation);
    }
    local.Reset(fsPerfect);
    FunStatContext = local;
}

// Code that is not itself status-guarded: shows a failure a status-guarded callee left behind.
// Returns true when there was one.
bool ShowCalleeFailure(
    const char *file, const char *function, int32_t line, const std::string &failedOperation);
