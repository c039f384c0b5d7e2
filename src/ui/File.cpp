#include "ui/File.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QWidget>

namespace {

QWidget *ownerWindow()
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            return widget;
    return nullptr;
}

} // namespace

bool BrowseForDirectory(std::string &directory, const std::string &title, const std::string &root,
    const std::string &startDirectory)
{
    directory.clear();
    QString start = QString::fromStdString(startDirectory.empty() ? root : startDirectory);
    if (start.isEmpty() || !QDir(start).exists())
        start = QDir::homePath();
    const QString chosen
        = QFileDialog::getExistingDirectory(ownerWindow(), QString::fromStdString(title), start,
            QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (chosen.isEmpty())
        return false;
    directory = QDir::toNativeSeparators(QDir::cleanPath(chosen)).toStdString();
    return true;
}
