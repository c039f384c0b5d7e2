#pragma once
// The system folder picker.

#include <string>

// Asks for an existing directory, modal over the application's window, starting in
// startDirectory (else in root, else in the home folder). `title` empty gives the picker's own.
// On confirmation `directory` gets the chosen path, without a trailing delimiter unless it is the
// root, and the result is true; on cancel `directory` is empty and the result false.
bool BrowseForDirectory(std::string &directory, const std::string &title,
    const std::string &root = {}, const std::string &startDirectory = {});
