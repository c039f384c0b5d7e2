#include "ui/Language.h"

#include "core/Texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QTranslator>

#include <memory>

namespace {

std::string &languageInUse()
{
    static std::string code = "en";
    return code;
}

std::vector<std::unique_ptr<QTranslator>> &installedTranslators()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

bool isSpoken(const std::string &code)
{
    for (const TLanguage &language : Languages())
        if (code == language.Code)
            return true;
    return false;
}

QString &translationsFolder()
{
    static QString folder;
    return folder;
}

void installCoreTranslator()
{
    SetTextTranslator(
        [](const char *context, const char *text, const char *disambiguation, int count) {
            return QCoreApplication::translate(context, text, disambiguation, count).toStdString();
        });
}

bool installTranslation(const QString &name, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installedTranslators().push_back(std::move(translator));
    return true;
}

} // namespace

const std::vector<TLanguage> &Languages()
{
    static const std::vector<TLanguage> languages = {
        {"en", "English"},
        {"de", "Deutsch"},
        {"fr", "Français"},
        {"es", "Español"},
        {"it", "Italiano"},
        {"pt_BR", "Português (Brasil)"},
        {"nl", "Nederlands"},
        {"pl", "Polski"},
        {"ru", "Русский"},
        {"ja", "日本語"},
        {"zh_CN", "简体中文"},
    };
    return languages;
}

std::string SpokenLanguageFor(const QString &uiLanguage)
{
    // "C" and "en-US" both mean the texts as written.
    if (uiLanguage == "C" || uiLanguage.startsWith("en"))
        return "en";
    const QLocale locale(uiLanguage);
    const std::string full = locale.name().toStdString();
    if (isSpoken(full))
        return full;
    const std::string language = full.substr(0, full.find('_'));
    // Traditional script readers are better served by English than by simplified characters;
    // Portugal's Portuguese reads the Brazilian translation well.
    if (language == "zh")
        return locale.script() == QLocale::TraditionalChineseScript ? std::string() : "zh_CN";
    if (language == "pt")
        return "pt_BR";
    return isSpoken(language) ? language : std::string();
}

std::string SystemLanguage()
{
    for (const QString &uiLanguage : QLocale::system().uiLanguages()) {
        const std::string code = SpokenLanguageFor(uiLanguage);
        if (!code.empty())
            return code;
    }
    return "en";
}

void SetTranslationsFolder(const QString &folder)
{
    translationsFolder() = folder;
}

QString TranslationsFolder()
{
    if (!translationsFolder().isEmpty())
        return translationsFolder();
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const QString &candidate :
        {programDir + "/translations", programDir + "/../share/mosavo/translations"})
        if (QDir(candidate).exists())
            return QDir::cleanPath(candidate);
    return programDir + "/translations";
}

std::string ApplyLanguage(const std::string &code)
{
    const std::string chosen = code.empty() || !isSpoken(code) ? SystemLanguage() : code;
    installCoreTranslator();
    if (chosen == languageInUse() && (chosen == "en" || !installedTranslators().empty()))
        return chosen;
    for (const std::unique_ptr<QTranslator> &translator : installedTranslators())
        QCoreApplication::removeTranslator(translator.get());
    installedTranslators().clear();
    languageInUse() = "en";
    if (chosen != "en"
        && installTranslation("mosavo_" + QString::fromStdString(chosen), TranslationsFolder())) {
        languageInUse() = chosen;
        // Qt's own texts: the system's copy, else the one shipped beside the game's.
        const QString qtName = "qtbase_" + QString::fromStdString(chosen);
        if (!installTranslation(qtName, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            installTranslation(qtName, TranslationsFolder());
    }
    // Qt posts the change to every window; they all take it now, before anything is drawn.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return languageInUse();
}

std::string LanguageInUse()
{
    return languageInUse();
}

void TTranslatedTexts::Add(QObject *object, const char *context, const char *english)
{
    Entries.push_back({object, context, english});
    ApplyTo(Entries.back());
}

void TTranslatedTexts::Apply() const
{
    for (const TEntry &entry : Entries)
        ApplyTo(entry);
}

void TTranslatedTexts::ApplyTo(const TEntry &entry)
{
    QObject *object = entry.Object.data();
    const QString text = QCoreApplication::translate(entry.Context, entry.English);
    if (auto *action = qobject_cast<QAction *>(object))
        action->setText(text);
    else if (auto *menu = qobject_cast<QMenu *>(object))
        menu->setTitle(text);
    else if (auto *label = qobject_cast<QLabel *>(object))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(object))
        button->setText(text);
    else if (auto *groupBox = qobject_cast<QGroupBox *>(object))
        groupBox->setTitle(text);
    else if (auto *widget = qobject_cast<QWidget *>(object))
        widget->setWindowTitle(text);
}
