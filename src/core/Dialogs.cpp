#include "core/Dialogs.h"

#include "core/Texts.h"

#include <utility>

namespace {

TMessageBoxHook &messageBoxHook()
{
    static TMessageBoxHook hook;
    return hook;
}

std::function<void()> &warningBeepHook()
{
    static std::function<void()> hook;
    return hook;
}

} // namespace

void SetMessageBoxHook(TMessageBoxHook hook)
{
    messageBoxHook() = std::move(hook);
}

void SetWarningBeepHook(std::function<void()> hook)
{
    warningBeepHook() = std::move(hook);
}

int32_t DialogBox(const std::string &caption, const std::string &text, uint32_t flags)
{
    const int32_t button
        = messageBoxHook() ? messageBoxHook()(caption, text, flags | mbTaskModal) : mbrNotShown;
    switch (button) {
    case mbrOk:
    case mbrYes:
        return mbrOk;
    case mbrNo:
        return mbrNo;
    case mbrNotShown:
        if (warningBeepHook())
            warningBeepHook()();
        return mbrCancel;
    default:
        return mbrCancel;
    }
}

void MessageDialog(const std::string &text)
{
    DialogBox(TR("Message", "Message"), text, mbIconInformation | mbOk);
}

void WarningDialog(const std::string &text)
{
    DialogBox(TR("Message", "Warning"), text, mbIconWarning | mbOk);
}

bool QueryDialog(const std::string &text)
{
    return DialogBox(TR("Message", "Query"), text, mbIconQuestion | mbYesNo) == mbrOk;
}

int32_t QueryCancelDialog(const std::string &text)
{
    return DialogBox(TR("Message", "Query"), text, mbIconQuestion | mbYesNoCancel);
}
