#include "core/Error.h"
#include "core/Dialogs.h"
#include "support/OtherPlatform.h"
#include "support/RecordingErrorDialog.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <stdexcept>
#include <vector>

namespace {

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        result.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return result;
        start = end + 2;
    }
}

class ErrorRecords : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FunStatContext = TFunStatContext();
        FunStatContext.SetShow({}, {}, 0);
        Err.Reset();
        SetProgramPathProvider([] { return std::string("/opt/Mosavo/Mosavo"); });
        SetSystemErrorTextProvider(
            [](uint32_t code) { return "Message " + std::to_string(code) + ". \r\n"; });
        RegisterErrorDialog(&dialog);
    }
    void TearDown() override
    {
        RegisterErrorDialog(nullptr);
        SetSystemErrorTextProvider(nullptr);
        SetProgramPathProvider(nullptr);
        SetMessageBoxHook(nullptr);
    }

    // The context text with its time line checked and replaced, so the rest compares exactly.
    static std::string withoutTime(const std::string &text)
    {
        std::vector<std::string> parts = lines(text);
        std::string result;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (parts[i].rfind("* Time: ", 0) == 0) {
                EXPECT_NE(parts[i].find(" \x7f "), std::string::npos);
                parts[i] = "* Time: <now>";
            }
            result += (i ? "\r\n" : "") + parts[i];
        }
        return result;
    }

    TRecordingErrorDialog dialog;
};

} // namespace

TEST_F(ErrorRecords, StatusContextTextHasEveryLineInOrder)
{
    SKIP_ON_WINDOWS("a backslash in a source file name is an ordinary character there");
    TFunStatContext context;
    context.SetRaise(
        "/src/core/File.cpp", "CopyDeleteDirectory", 42, fsError, "Failed.", "a.txt", "b.txt", 13);
    context.SetShow("C:\\x\\Mosavo.cpp", "TMosavoForm::Go", -7);
    dialog.Recursion = 2;
    EXPECT_EQ(withoutTime(context.ContextText()),
        "\r\nRAISE CONTEXT\r\n* Status: Error\r\n* File: \"File.cpp\"\r\n"
        "* Function: \"CopyDeleteDirectory\"\r\n* Line: 42\r\n* Description: \"Failed.\"\r\n"
        "* Parameter 1: \"a.txt\"\r\n* Parameter 2: \"b.txt\"\r\n"
        "* System error code: 13\r\n* System error description: \"Message 13\"\r\n"
        "\r\nSHOW CONTEXT\r\n* File: \"C:\\x\\Mosavo.cpp\"\r\n"
        "* Function: \"TMosavoForm::Go\"\r\n* Line: -7\r\n"
        "\r\nINFO\r\n* Time: <now>\r\n* Program: /opt/Mosavo/Mosavo\r\n"
        "* Recursive attempts: 2\r\n"
        "\r\nUSER INFO\r\n* UserCode: 0\r\n* UserText: \r\n* UserInt: 0\r\n* UserReal: 0");
}

TEST_F(ErrorRecords, OptionalLinesAndStatusTexts)
{
    TFunStatContext context;
    context.SetRaise("/dir/", "F", 1, fsCatastrophe, "Two\r\nlines", "", "only second");
    const std::vector<std::string> text = lines(context.ContextText());
    EXPECT_EQ(text[2],
        "* Status: Catastrophe: CATASTROPHIC FAILURE!!! It is highly recommended "
        "to terminate the program immediately!");
    EXPECT_EQ(text[3], "* File: \"\"");
    EXPECT_EQ(text[6], "* Description: \"Two");
    EXPECT_EQ(text[7], "lines\"");
    EXPECT_EQ(text[8], "* Parameter 2: \"only second\"");
    EXPECT_EQ(text[9], "");
    EXPECT_EQ(text[10], "SHOW CONTEXT");

    EXPECT_EQ(TFunStatContext::StatusText(7), "Unknown function status");
    EXPECT_EQ(TFunStatContext::StatusText(-1), "Unknown function status");
    EXPECT_EQ(TFunStatContext::StatusText(3), "Begin function error");

    context.UserReal = 0.1;
    EXPECT_EQ(lines(context.ContextText()).back(), "* UserReal: 0.1");
}

TEST_F(ErrorRecords, RaisedErrorTextHasTrapBlockAndNoStatusOrUserLines)
{
    Err.Raise("plain.cpp", "LoadGameFrom", 10, "There is no such file.");
    Err.SetTrap("/a/MosavoDialog.cpp", "TMosavoForm::LoadGameMenuClick", 20);
    EXPECT_EQ(withoutTime(Err.ContextText()),
        "\r\nRAISE CONTEXT\r\n* File: \"plain.cpp\"\r\n* Function: \"LoadGameFrom\"\r\n"
        "* Line: 10\r\n* Description: \"There is no such file.\"\r\n"
        "\r\nTRAP CONTEXT\r\n* File: \"MosavoDialog.cpp\"\r\n"
        "* Function: \"TMosavoForm::LoadGameMenuClick\"\r\n* Line: 20\r\n"
        "\r\nLOGGED\r\n* Time: <now>\r\n* Program: /opt/Mosavo/Mosavo\r\n"
        "* Recursive attempts: 0");
}

TEST_F(ErrorRecords, CopyingKeepsTheTargetsShowFields)
{
    TFunStatContext source;
    source.SetRaise("f", "g", 3, fsError, "d");
    source.SetShow("sf", "sg", 4);
    source.UserCode = 9;
    TFunStatContext target;
    target.SetShow("tf", "tg", 5);
    target = source;
    EXPECT_EQ(target.Description, "d");
    EXPECT_EQ(target.UserCode, 9);
    EXPECT_EQ(target.ShowFunction, "tg");
    EXPECT_EQ(target.ShowLine, 5);
    const TFunStatContext copy(source);
    EXPECT_EQ(copy.ShowFunction, "");
    EXPECT_EQ(copy.Status, fsError);
}

TEST_F(ErrorRecords, ErrorGuardShowsRaisedStandardAndForeignFailures)
{
    FUNCTION_NAME("GuardTest");
    EXPECT_FALSE(ErrorGuardShow(HERE, "Failed to load game.",
        [] { RaiseError("x.cpp", "Load", 5, "There is no such file.", "g.mzg"); }));
    EXPECT_FALSE(
        ErrorGuardShow(HERE, "Failed to reload.", [] { THROW(std::runtime_error("boom")); }));
    EXPECT_FALSE(ErrorGuardShow(HERE, "Failed to do.", [] { throw 42; }));
    EXPECT_TRUE(ErrorGuardShow(HERE, "Never shown.", [] {}));
    ASSERT_EQ(dialog.Descriptions.size(), 3u);

    EXPECT_EQ(dialog.Captions[0], "Error");
    EXPECT_EQ(dialog.Descriptions[0], "Failed to load game.");
    EXPECT_NE(dialog.Contexts[0].find("* Parameter 1: \"g.mzg\""), std::string::npos);
    EXPECT_NE(dialog.Contexts[0].find("* Function: \"GuardTest\""), std::string::npos);

    // A standard exception: message, the thrown type and where THROW ran.
    EXPECT_NE(dialog.Contexts[1].find("* Description: \"boom\""), std::string::npos);
    EXPECT_NE(dialog.Contexts[1].find("* Parameter 1: \"std::runtime_error\""), std::string::npos);
    EXPECT_NE(dialog.Contexts[1].find("* File: \"ErrorTest.cpp\""), std::string::npos);

    EXPECT_NE(dialog.Contexts[2].find("* Description: \"Unknown error.\""), std::string::npos);
    EXPECT_FALSE(Err.Raised);
}

TEST_F(ErrorRecords, SwallowedFailureIsRecordedButNotShown)
{
    FUNCTION_NAME("MyFocusControl");
    EXPECT_FALSE(ErrorGuardSwallow(HERE, [] { throw std::logic_error("hidden control"); }));
    EXPECT_TRUE(dialog.Descriptions.empty());
    EXPECT_FALSE(Err.Raised);
    EXPECT_EQ(Err.TrapFunction, "MyFocusControl");
    EXPECT_EQ(Err.Description, "hidden control");
}

namespace {

void statusGuardedCallee(int32_t status)
{
    FUNCTION_NAME("GetFileSize");
    StatusGuard(HERE, [&](TFunStatContext &local) {
        if (status != fsPerfect)
            local.SetRaise(HERE, status, "Failed to get file size.", "f.txt");
    });
}

} // namespace

TEST_F(ErrorRecords, StatusGuardPublishesOutcomeAndCallersTakeOverOnlyFailures)
{
    FUNCTION_NAME("Caller");
    bool warningTakenAsFailure = true;
    StatusGuard(HERE, [&](TFunStatContext &local) {
        EXPECT_EQ(FunStatContext.Status, fsBeginFunctionError);
        EXPECT_EQ(FunStatContext.Function, "Caller");
        statusGuardedCallee(fsWarning);
        warningTakenAsFailure = CalleeFailed(local);
        statusGuardedCallee(fsError);
        if (CalleeFailed(local))
            return;
        ADD_FAILURE() << "an Error status must count as failure";
    });
    EXPECT_FALSE(warningTakenAsFailure);
    EXPECT_EQ(FunStatContext.Status, fsError);
    EXPECT_EQ(FunStatContext.Function, "GetFileSize");
    EXPECT_EQ(FunStatContext.Parameter1, "f.txt");
}

TEST_F(ErrorRecords, StatusGuardTurnsExceptionsIntoReports)
{
    FUNCTION_NAME("Guarded");
    StatusGuard(HERE, [](TFunStatContext &) {
        RaiseError("r.cpp", "R", 1, "Failed to rename.", "p1", "p2", 17);
    });
    EXPECT_EQ(FunStatContext.Description, "Failed to rename.");
    EXPECT_EQ(FunStatContext.SystemErrorCode, 17u);
    EXPECT_EQ(FunStatContext.Function, "Guarded");

    const int throwLine = __LINE__ + 1;
    StatusGuard(HERE, [](TFunStatContext &) { THROW(std::out_of_range("index")); });
    EXPECT_EQ(FunStatContext.Description, "Unhandled exception: index");
    EXPECT_NE(FunStatContext.Parameter1.find("ErrorTest.cpp"), std::string::npos);
    EXPECT_EQ(FunStatContext.Parameter2, std::to_string(throwLine));

    StatusGuard(HERE, [](TFunStatContext &) { throw 3.5; });
    EXPECT_EQ(FunStatContext.Description, "Unhandled generic exception.");
    EXPECT_EQ(FunStatContext.Parameter1, ""); // nothing recorded where it was thrown
}

TEST_F(ErrorRecords, CommandStatusGuardShowsAndLeavesPerfect)
{
    FUNCTION_NAME("TMosavoForm::OpenPictureMenuClick");
    StatusGuardShow(
        HERE, "Failed to open picture.", [](TFunStatContext &) { statusGuardedCallee(fsError); });
    EXPECT_TRUE(dialog.Descriptions.empty()); // the callee's failure was not taken over
    StatusGuardShow(HERE, "Failed to open picture.", [](TFunStatContext &local) {
        statusGuardedCallee(fsError);
        CalleeFailed(local);
    });
    ASSERT_EQ(dialog.Descriptions.size(), 1u);
    EXPECT_EQ(dialog.Captions[0], "Error");
    EXPECT_NE(dialog.Contexts[0].find("* Function: \"TMosavoForm::OpenPictureMenuClick\""),
        std::string::npos);
    EXPECT_EQ(FunStatContext.Status, fsPerfect);
}

TEST_F(ErrorRecords, ShowWithoutDialogFallsBackToAPlainBox)
{
    RegisterErrorDialog(nullptr);
    std::string shownCaption, shownText;
    SetMessageBoxHook([&](const std::string &caption, const std::string &text, uint32_t) {
        shownCaption = caption;
        shownText = text;
        return int32_t {mbrOk};
    });
    bool okayNoErrors = true;
    EXPECT_FALSE(Err.Show("Failed to perform.", &okayNoErrors));
    EXPECT_FALSE(okayNoErrors);
    EXPECT_EQ(shownCaption, "Error");
    EXPECT_EQ(shownText, "The error-dialog form is not created. You must create it.");
}

TEST_F(ErrorRecords, ApplicationHandlerShowsUnhandledErrorAndResets)
{
    SetLastSystemError(0);
    FunStatContext.OnApplicationException("bad cast");
    ASSERT_EQ(dialog.Descriptions.size(), 1u);
    EXPECT_EQ(dialog.Captions[0], "Error");
    EXPECT_EQ(dialog.Descriptions[0], "Unhandled error.\r\nbad cast");
    EXPECT_EQ(FunStatContext.Status, fsPerfect);
    EXPECT_EQ(FunStatContext.Description, "");
    EXPECT_EQ(FunStatContext.File, "");
}

TEST(SystemCallResults, BenignCodesAreNotFailures)
{
    SetLastSystemError(0);
    EXPECT_FALSE(SystemCallFailed());
#ifdef _WIN32
    const uint32_t notEnoughStorage = 14, alreadyExists = 183, requestAborted = 1235;
#else
    const uint32_t notEnoughStorage = ENOMEM, alreadyExists = EEXIST, requestAborted = ECANCELED;
#endif
    SetLastSystemError(notEnoughStorage);
    EXPECT_FALSE(SystemCallFailed());
    SetLastSystemError(requestAborted);
    EXPECT_FALSE(SystemCallFailed());
    SetLastSystemError(alreadyExists);
    EXPECT_TRUE(SystemCallFailed());
    EXPECT_FALSE(SystemCallFailedExceptExisting());
    SetLastSystemError(EACCES);
    EXPECT_TRUE(SystemCallFailedExceptExisting());
    SetLastSystemError(0);
    EXPECT_TRUE(FindResultOk(FindNoMoreFiles));
    EXPECT_FALSE(FindResultOk(EACCES));
    EXPECT_FALSE(ComCallFailed(static_cast<int32_t>(0x800704C7u)));
    EXPECT_TRUE(ComCallFailed(-1));
}
