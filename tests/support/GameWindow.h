#pragma once
// The game window as the widget tests show it: its two pictures laid out as on screen, what it
// shows of the game's files, and a patterned picture whose pieces all differ.

#include "ui/MosavoDialog.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QtTest>

#include <memory>
#include <string>

inline QImage PatternedPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, (x * y) % 256));
    return image;
}

inline std::unique_ptr<TMosavoForm> ShownGameWindow()
{
    auto window = std::make_unique<TMosavoForm>();
    window->OriginalPictureGroupBox->setGeometry(5, 185, 320, 330);
    window->PuzzlePictureGroupBox->setGeometry(330, 0, 425, 515);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("the game window was not shown");
    return window;
}

// What a game window shows of where its game came from.
struct TWindowFiles
{
    std::string CurrentPicture, LastGame, LoadPictureDialog, LoadGameDialog, SaveGameDialog;
    QString Caption, Tip;
    int Moves;
    bool operator==(const TWindowFiles &) const = default;
};

inline TWindowFiles WindowFiles(const TMosavoForm &form)
{
    return {form.CurrentPicture, form.LastGame, form.LoadPictureDialog.FileName,
        form.LoadGameDialog.FileName, form.SaveGameDialog.FileName, form.windowTitle(),
        form.TipsLabel->text(), form.Board.MovesCount};
}
