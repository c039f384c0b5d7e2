// The game file commands and the options file of the main window.
// TODO(game files): the game and options routines are not written yet; until then the commands
// do nothing and no options are read or written.

#include "ui/MosavoDialog.h"

#include "core/StoredTextList.h"

void TMosavoForm::LoadLastGameMenuClick() { }

void TMosavoForm::LoadGameMenuClick() { }

void TMosavoForm::SaveGameMenuClick() { }

void TMosavoForm::LoadGameFrom(const std::string &) { }

void TMosavoForm::SaveGame(const std::string &) { }

void TMosavoForm::ReadCommonSettings(TStoredTextList &) { }

void TMosavoForm::WriteCommonSettings(TStoredTextList &) { }

void TMosavoForm::ReadGame(TStoredTextList &) { }

void TMosavoForm::WriteGame(TStoredTextList &) { }

void TMosavoForm::ReadOptions(TStoredTextList &) { }

void TMosavoForm::WriteOptions(TStoredTextList &) { }

void TMosavoForm::LoadOptions() { }

void TMosavoForm::SaveOptions() { }
