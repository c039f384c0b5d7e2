#pragma once
// The help window: the page that explains the game, shipped inside the program so that it is
// always there, also offline.

#include <QString>
#include <QWidget>

#include <string>

class QTextBrowser;

class THelpForm : public QWidget
{
    Q_OBJECT

public:
    // The page as the program's resources name it.
    static constexpr const char *PagePath = ":/help/Help.html";

    // A window of its own, titled "Mosavo Help", that stays above `parent`; Escape closes it.
    THelpForm(const QString &page, QWidget *parent = nullptr);

    // Whether this build carries `page`.
    static bool PageAvailable(const QString &page);
    // The page's translation into `language` ("de": Help_de.html) where the build carries one.
    static QString PageInLanguage(const QString &page, const std::string &language);

    const QString &Page() const { return FPage; }

    QTextBrowser *Browser;

private:
    QString FPage;
};
