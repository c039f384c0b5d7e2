#include "ui/Dialogs.h"

#include "core/Dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon iconOf(uint32_t flags)
{
    switch (flags & 0xF0) {
    case mbIconError:
        return QMessageBox::Critical;
    case mbIconQuestion:
        return QMessageBox::Question;
    case mbIconWarning:
        return QMessageBox::Warning;
    case mbIconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons buttonsOf(uint32_t flags)
{
    switch (flags & 0x0F) {
    case mbOkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case mbYesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case mbYesNo:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

int32_t resultOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return mbrOk;
    case QMessageBox::Yes:
        return mbrYes;
    case QMessageBox::No:
        return mbrNo;
    default:
        return mbrCancel;
    }
}

} // namespace

int32_t ShowQtMessageBox(const std::string &caption, const std::string &text, uint32_t flags)
{
    if (QApplication::instance() == nullptr)
        return mbrNotShown;
    QMessageBox box(iconOf(flags), QString::fromStdString(caption), QString::fromStdString(text),
        buttonsOf(flags), QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    // Closing by the title bar or Esc counts as Cancel wherever the box offers one.
    if (box.button(QMessageBox::Cancel) != nullptr)
        box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    if (clicked == nullptr)
        return mbrCancel;
    return resultOf(box.standardButton(clicked));
}

void InstallQtMessageBoxes()
{
    SetMessageBoxHook(ShowQtMessageBox);
    SetWarningBeepHook([] {
        if (QApplication::instance() != nullptr)
            QApplication::beep();
    });
}
