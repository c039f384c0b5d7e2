#include "ui/HelpDialog.h"

#include <QFile>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

// The page sits in a static library, whose resources register only when asked to by name.
static void registerHelpResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(Help);
        return true;
    }();
    (void)registered;
}

THelpForm::THelpForm(const QString &page, QWidget *parent) : QWidget(parent, Qt::Window)
{
    registerHelpResources();
    setObjectName("HelpForm");
    setWindowTitle(tr("Mosavo Help"));
    Browser = new QTextBrowser(this);
    Browser->setObjectName("HelpBrowser");
    Browser->setOpenExternalLinks(true);
    Browser->document()->setDocumentMargin(12);
    FPage = page;
    Browser->setSource(QUrl("qrc" + page));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);

    auto *closeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);

    const QScreen *screen = parent != nullptr && parent->screen() != nullptr
        ? parent->screen()
        : QGuiApplication::primaryScreen();
    const QSize room = screen != nullptr ? screen->availableGeometry().size() : QSize(800, 600);
    resize(std::min(720, room.width() * 9 / 10), std::min(800, room.height() * 9 / 10));
}

QString THelpForm::PageInLanguage(const QString &page, const std::string &language)
{
    registerHelpResources();
    if (!page.endsWith(".html") || language == "en")
        return page;
    const QString translated = page.chopped(5) + "_" + QString::fromStdString(language) + ".html";
    return QFile::exists(translated) ? translated : page;
}

bool THelpForm::PageAvailable(const QString &page)
{
    registerHelpResources();
    return QFile::exists(page);
}
