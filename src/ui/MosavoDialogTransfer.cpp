// Pictures that come from the desktop: a file or image data dropped onto the window, the
// clipboard's picture or file, and the sample picture that the very first start plays.

#include "ui/MosavoDialog.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "core/MyRandom.h"
#include "core/Picture.h"
#include "core/Texts.h"
#include "ui/MyControls.h"
#include "ui/Picture.h"
#include "ui/PictureTransfer.h"
#include "ui/SamplePictures.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>

// ---- Drops -------------------------------------------------------------------------------------

// The game's own drag of pieces follows the pointer without the platform's drag and drop, so no
// drag of another program can meet it; while it lasts, or while a dialog is open, nothing drops.
bool TMosavoForm::AcceptsDropOf(const QMimeData &data)
{
    if (Dragging() || QApplication::activeModalWidget() != nullptr)
        return false;
    return OpenableFile(data, PictureFilter()).has_value() || OffersImageData(data);
}

namespace {

// Accepted drops copy: the file stays where it is. A refused one shows the forbidden cursor.
void AnswerDrag(QDropEvent &event, bool accepted)
{
    if (accepted) {
        event.setDropAction(Qt::CopyAction);
        event.accept();
    } else {
        event.ignore();
    }
}

} // namespace

void TMosavoForm::dragEnterEvent(QDragEnterEvent *event)
{
    AnswerDrag(*event, AcceptsDropOf(*event->mimeData()));
}

void TMosavoForm::dragMoveEvent(QDragMoveEvent *event)
{
    AnswerDrag(*event, AcceptsDropOf(*event->mimeData()));
}

// The drop ends the other program's drag at once; the file opens, and its questions are asked,
// from the event loop afterwards.
void TMosavoForm::dropEvent(QDropEvent *event)
{
    const QMimeData &data = *event->mimeData();
    const bool accepted = AcceptsDropOf(data);
    AnswerDrag(*event, accepted);
    if (!accepted)
        return;
    if (const std::optional<std::string> file = OpenableFile(data, PictureFilter())) {
        QTimer::singleShot(0, this, [this, path = *file] { OpenFileWhenIdle(path); });
        return;
    }
    // The drag's data lives only as long as the drop.
    const TImageData image = ImageDataOf(data);
    QTimer::singleShot(0, this, [this, image] { PastePicture(image); });
}

// ---- The clipboard -----------------------------------------------------------------------------

bool TMosavoForm::OpenTransferredData(const QMimeData &data)
{
    if (const std::optional<std::string> file = OpenableFile(data, PictureFilter())) {
        OpenFile(*file);
        return true;
    }
    if (!OffersImageData(data))
        return false;
    const TImageData image = ImageDataOf(data);
    if (image.Empty())
        return false;
    PastePicture(image);
    return true;
}

void TMosavoForm::PastePictureMenuClick()
{
    FUNCTION_NAME("TMosavoForm::PastePictureMenuClick");
    ErrorGuardShow(HERE, TR("Error", "Failed to paste picture."), [&] {
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        if (data == nullptr || !OpenTransferredData(*data))
            MessageDialog(tr(NoPictureToPasteMessage).toStdString());
    });
}

void TMosavoForm::PastePicture(const TImageData &data)
{
    FUNCTION_NAME("TMosavoForm::PastePicture");
    ErrorGuardShow(HERE, TR("Error", "Failed to paste picture."), [&] {
        const TDateTimeParts moment = LocalMoment();
        std::string path;
        {
            TDecodedPicture picture;
            {
                const TWaitCursor busy;
                picture = DecodeImageData(data);
            }
            if (picture.Refused()) {
                WarningDialog(picture.RefusalMessage(PastedPictureName(moment, 1)));
                return;
            }
            const TWaitCursor busy;
            path = SavePastedPicture(picture.Image, PastedPicturesDir, moment);
        }
        // The whole picture is let go before the file is decoded again for the window.
        OpenFile(path);
    });
}

// ---- The first start ---------------------------------------------------------------------------

bool TMosavoForm::OpenRandomSample()
{
    // Without a samples folder the image plugins, which the patterns need, stay unloaded.
    if (SamplePicturesDir.empty())
        return false;
    const std::vector<std::string> samples = SamplePictureFiles(SamplePicturesDir, PictureFilter());
    if (samples.empty())
        return false;
    OpenFileWhenIdle(samples[Random.Next() % samples.size()]);
    return true;
}

void TMosavoForm::OpenRandomSampleOnceShown()
{
    // Listing the samples loads every image plugin, which the first frame does not need.
    RunOnceShown([this] { OpenRandomSample(); });
}
