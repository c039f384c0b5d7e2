#pragma once
// The message boxes every layer may show. The window layer installs the real box with
// SetMessageBoxHook; until then (and in tests without a hook) no box can be shown.

#include <cstdint>
#include <functional>
#include <string>

// Icon and button flags of a message box.
enum TMessageBoxFlags : uint32_t {
    mbOk = 0x0,
    mbOkCancel = 0x1,
    mbYesNoCancel = 0x3,
    mbYesNo = 0x4,
    mbIconError = 0x10,
    mbIconQuestion = 0x20,
    mbIconWarning = 0x30,
    mbIconInformation = 0x40,
    mbTaskModal = 0x2000,
};

// Buttons a box reports; 0 means the box could not be shown.
enum TMessageBoxButton : int32_t {
    mbrNotShown = 0,
    mbrOk = 1,
    mbrCancel = 2,
    mbrYes = 6,
    mbrNo = 7,
};

// Shows a box and returns the button that closed it (closing by the title bar is Cancel).
using TMessageBoxHook
    = std::function<int32_t(const std::string &caption, const std::string &text, uint32_t flags)>;
void SetMessageBoxHook(TMessageBoxHook hook);
void SetWarningBeepHook(std::function<void()> hook);

// 1 for OK or Yes, 7 for No, 2 for anything else.
int32_t DialogBox(const std::string &caption, const std::string &text, uint32_t flags);
void MessageDialog(const std::string &text);
void WarningDialog(const std::string &text);
bool QueryDialog(const std::string &text);
// 1 for Yes, 7 for No, 2 for Cancel.
int32_t QueryCancelDialog(const std::string &text);
