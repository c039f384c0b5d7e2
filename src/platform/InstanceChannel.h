#pragma once
// Hands a text (the file that a later start was asked to open) from a later start of the program
// to the running instance, the one that holds the single-instance lock of Program.h.
//
// The channel is opened right after the lock is taken, so that a text sent from then on waits in
// it until the instance listens. Only the user's own processes are heard.
//   posix/  a Unix-domain socket named after the lock file, beside it.
//   win32/  a named pipe named after the mutex, the user's SID and the session, served from its
//           opening by a thread that keeps what arrives until the program listens. The pipe's
//           default security lets only this user (and the system and administrators) write to
//           it; a sender writes only to a pipe that a process of its own user serves.

#include <functional>
#include <string>

// Opens this instance's channel for the program `name`; call it only while holding the lock.
// False when it cannot be opened: the program then runs without the hand-off.
bool OpenInstanceChannel(const std::string &name);
// Delivers each text, whole, to `receive` on a background thread, one after another; texts that
// waited come first. The receiver must pass the text on to the GUI thread itself.
void ListenOnInstanceChannel(std::function<void(const std::string &text)> receive);
// Stops listening (after a delivery in progress) and removes the channel. Call it before
// whatever `receive` reaches is destroyed.
void CloseInstanceChannel();
// From another process: true when the text reached the channel of the instance of `name`.
bool SendToInstanceChannel(const std::string &name, const std::string &text);

// How a start of the program begins: takes the single-instance lock and opens the channel, or
// hands `file` (when not empty) to the instance that holds the lock. True when this process is
// now the only instance. A start that finds the lock held but no channel yet (the other instance
// has just taken the lock, or is ending) tries again for a few seconds, and takes the lock itself
// if the other one has gone.
bool TakeProgramInstance(const std::string &name, const std::string &file);
