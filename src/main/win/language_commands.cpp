// The language of the window's texts: chosen in the menu, it changes every caption and the
// panel at once, without a restart.
#include "main/main.h"
#include "main/texts/command_texts.h"

void TApp_Loupist::BindLanguageCommands() {
  for (TLanguage language : kLanguages)
    Command(LanguageCommand(language)).SetHandler([this, language](Action&) {
      actOpt_LanguageExecute(language);
    });
}

void TApp_Loupist::actOpt_LanguageExecute(TLanguage language) {
  ChooseLanguage(language);
  ApplyLanguageTexts();
  // The panel's face, its label column and the zoom caption's width belong to the language.
  ApplyPanelFont();
  FormResize(&Command(LanguageCommand(language)));
}

void TApp_Loupist::ApplyLanguageTexts() {
  ApplyCommandTexts(ActionList_Main);
  for (const TMenuText& row : MenuTexts()) mnuMain.SetItemCaption(row.Item, Pick(row.Caption));
  Command(LanguageCommand(ActiveLanguage())).SetChecked(true);
  // The monitor move of the taskbar button's menu, which the system keeps.
  if (HMENU systemMenu = GetSystemMenu(Handle(), FALSE))
    ModifyMenuW(systemMenu, kMonitorMoveCommand, MF_BYCOMMAND | MF_STRING, kMonitorMoveCommand,
                Command(Cmd::actMove_Monitor).Caption().c_str());
}
