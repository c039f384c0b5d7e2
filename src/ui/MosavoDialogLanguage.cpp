// The Language menu: the system's language or one the player chooses, kept in the options file
// and applied at once to every window.

#include "ui/MosavoDialog.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

void TMosavoForm::CreateLanguageMenu()
{
    LanguageMenu = WorkMenu->addMenu(QString());
    Translate(LanguageMenu, QT_TR_NOOP("Language"));
    auto *choices = new QActionGroup(LanguageMenu);
    auto addChoice = [&](const std::string &code, QAction *action) {
        action->setCheckable(true);
        action->setData(QString::fromStdString(code));
        choices->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] { ChooseLanguage(code); });
    };
    QAction *systemChoice = LanguageMenu->addAction(QString());
    Translate(systemChoice, QT_TR_NOOP("System language"));
    addChoice({}, systemChoice);
    LanguageMenu->addSeparator();
    // Each language by its own name, which a player who cannot read the others still finds.
    for (const TLanguage &language : Languages())
        addChoice(language.Code, LanguageMenu->addAction(QString::fromUtf8(language.OwnName)));
    ShowChosenLanguage();
}

void TMosavoForm::ChooseLanguage(const std::string &code)
{
    ChosenLanguage = code;
    ApplyLanguage(code);
    ShowChosenLanguage();
}

void TMosavoForm::ShowChosenLanguage()
{
    for (QAction *action : LanguageMenu->actions())
        if (action->isCheckable())
            action->setChecked(action->data().toString().toStdString() == ChosenLanguage);
}
