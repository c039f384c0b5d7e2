// Files that come from outside the window's dialogs: named on the command line, or handed over
// by a later start of the program.

#include "ui/MosavoDialog.h"

#include "core/Error.h"
#include "core/File.h"
#include "core/GameFile.h"
#include "core/Texts.h"
#include "platform/InstanceChannel.h"

#include <QApplication>
#include <QTimer>

namespace {

// How often a handed-over file looks again whether the window has become free for it.
constexpr int BusyRetryMs = 200;

} // namespace

void TMosavoForm::OpenFile(const std::string &path)
{
    FUNCTION_NAME("TMosavoForm::OpenFile");
    // The dialog would have kept the file as its own choice, whatever the load then does.
    if (IsGameFileName(path)) {
        LoadGameDialog.FileName = path;
        ErrorGuardShow(HERE, TR("Error", "Failed to load game."), [&] { LoadGameFrom(path); });
        return;
    }
    ErrorGuardShow(HERE, TR("Error", "Failed to load file."), [&] {
        if (!MatchesFileMask(path, PictureFilter()))
            RaiseError(HERE, TR("Error", "This is neither a picture nor a Mosavo game."), path);
        LoadPictureDialog.FileName = path;
        LoadGameFromPicture(path);
    });
}

void TMosavoForm::OpenFileFromOtherStart(const std::string &path)
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    OpenFileWhenIdle(path);
}

void TMosavoForm::OpenFileOnceShown(const std::string &path)
{
    RunOnceShown([this, path] { OpenFileWhenIdle(path); });
}

void TMosavoForm::RunOnceShown(std::function<void()> action)
{
    // Without a frame to wait for, or once the window is shown, the action runs from the event
    // loop.
    if (!FrameWatched || ShownOnScreen)
        QTimer::singleShot(0, this, std::move(action));
    else
        ActionsOnceShown.push_back(std::move(action));
}

// A dialog, a menu or a drag in progress finishes first; the file waits its turn.
void TMosavoForm::OpenFileWhenIdle(const std::string &path)
{
    if (QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget() != nullptr
        || Dragging()) {
        QTimer::singleShot(BusyRetryMs, this, [this, path] { OpenFileWhenIdle(path); });
        return;
    }
    OpenFile(path);
}

// The channel is open since the instance was taken, so a file that a later start hands over
// waits in its queue; the thread that takes it starts with the event loop, once the first window
// is on its way to the screen.
void TMosavoForm::ListenForOtherStarts()
{
    QTimer::singleShot(0, this, [this] {
        ListenOnInstanceChannel([this](const std::string &path) {
            QMetaObject::invokeMethod(
                this, [this, path] { OpenFileFromOtherStart(path); }, Qt::QueuedConnection);
        });
    });
}
