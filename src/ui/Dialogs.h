#pragma once
// The message boxes of core/Dialogs.h shown as Qt message boxes.

#include <cstdint>
#include <string>

// Shows one box modal for the whole application and returns the button that closed it
// (TMessageBoxButton); mbrNotShown when there is no application to show it in.
int32_t ShowQtMessageBox(const std::string &caption, const std::string &text, uint32_t flags);

// Installs ShowQtMessageBox as the message-box hook and QApplication::beep as the warning beep.
void InstallQtMessageBoxes();
