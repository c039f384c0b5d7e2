#pragma once
// The language the windows speak: the game's own translations and Qt's, chosen by the system or
// by the player, and the fixed texts of a window that follow it when it changes.

#include <QPointer>
#include <QString>

#include <string>
#include <vector>

class QObject;

struct TLanguage
{
    const char *Code; // as the translation files are named: "de", "pt_BR"
    const char *OwnName; // what the language calls itself
};

// Every language the game is translated into, English (the texts in the code) first.
const std::vector<TLanguage> &Languages();

// The first of the system's user-interface languages that the game speaks, else "en".
std::string SystemLanguage();
// The language the game speaks for one of the system's ("de-AT": "de", "zh-Hans-CN": "zh_CN"),
// or "" where it speaks none of that language.
std::string SpokenLanguageFor(const QString &uiLanguage);

// Installs the translations of `code` ("" for the system's language) for the game, for the core's
// texts and for Qt's own, and replaces those installed before; every window then gets a
// LanguageChange event. Returns the code now in use.
std::string ApplyLanguage(const std::string &code);
std::string LanguageInUse();

// Where the game's .qm files are: beside the program (Windows, the build tree) or in the
// installed share folder.
QString TranslationsFolder();
// Tests, which run from another folder, name the build's.
void SetTranslationsFolder(const QString &folder);

// The fixed texts of one window: each object is given its English text once, and Apply sets all
// of them in the language now installed (actions, menus, labels, buttons, group boxes, windows).
class TTranslatedTexts
{
public:
    void Add(QObject *object, const char *context, const char *english);
    void Apply() const;

private:
    struct TEntry
    {
        QPointer<QObject> Object;
        const char *Context;
        const char *English;
    };
    static void ApplyTo(const TEntry &entry);
    std::vector<TEntry> Entries;
};
