// The texts of the commands and of the popup menu, Japanese and English side by side: each
// command's caption (with its accelerator letter), hint and category, and the captions of the
// submenus and of the items that show a text of their own.
#pragma once
#include <string>
#include <vector>

#include "main/texts/language.h"
#include "platform/command_model.h"
#include "resources/command_ids.h"

struct TCommandText {
  Cmd Id;
  TText Caption;
  TText Hint;
  const TText& Category;
};

// The row of a command; the table holds one per command, in the order of the ids.
const TCommandText& CommandText(Cmd id);

struct TMenuText {
  const char* Item;  // the menu item's name
  TText Caption;     // a submenu's caption, or a command item's own in place of its command's
  TText Hint;
};
const std::vector<TMenuText>& MenuTexts();

// Every command of the list gets its caption, hint and category in the active language.
void ApplyCommandTexts(ActionList& commands);

// The radio command that chooses the language.
Cmd LanguageCommand(TLanguage language);
