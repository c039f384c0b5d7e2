#pragma once
// Flushing written files to the disk, for the whole-or-nothing replacement of the options and game
// files.

#include <string>

// Flushes the file or folder at `path` to the disk; false (with the last system error set) when it
// cannot be opened or flushed. Windows cannot flush a folder: an existing one gives true.
bool SyncFileToDisk(const std::string &path);

// Makes TMemIniFile::UpdateFile flush its temporary file and the folder; called once at start.
void InstallFileSyncHook();
