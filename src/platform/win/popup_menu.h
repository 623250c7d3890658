// The popup menu as a component bound to the action list. The Win32 menu is
// built from the menu description each time it opens, so every item shows its
// command as it is at that moment: caption with its accelerator letter, check
// mark or radio bullet, greyed when disabled, left out when hidden (a submenu with
// it when all its commands are), bold when it is its submenu's default item. An owner-drawn
// item shows no caption: the owner window measures and draws it, and finds its command by
// CommandOfItem of the item's identifier.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "base/win/unique_handle.h"
#include "platform/command_model.h"
#include "platform/menu_model.h"

class PopupMenu {
 public:
  // Both must outlive the menu.
  PopupMenu(const MenuItemDef& root, ActionList& actions);
  PopupMenu(const PopupMenu&) = delete;
  PopupMenu& operator=(const PopupMenu&) = delete;

  // The menu as the commands stand now; its command items carry the identifiers
  // that CommandOfItem resolves until the next Build.
  UniqueMenu Build();
  Action* CommandOfItem(UINT id);

  // Opens the menu with its top-left corner at the screen point and waits for the
  // user. The chosen command runs after the menu has closed, as from any other
  // source (AutoCheck first). Answers the chosen command, or nullptr.
  Action* Popup(HWND owner, const Point& screen);

  // A radio bullet or a plain check mark for the named item, in place of what the
  // description says (systems without loupe mode show fixed-point mode as a check).
  void SetRadioItem(const std::string& name, bool radio);
  // The caption of a submenu, or of a command item in place of its command's; an empty one
  // gives the item back its command's caption. Captions change with the window's language.
  void SetItemCaption(const std::string& name, const std::wstring& caption);

 private:
  void AddItems(HMENU menu, const MenuItemDef& parent);
  bool IsRadio(const MenuItemDef& item) const;

  const MenuItemDef& root_;
  ActionList& actions_;
  std::vector<Action*> items_;  // command of item identifier kFirstItemId + index
  std::map<std::string, bool> radioOverrides_;
  std::map<std::string, std::wstring> captions_;
};
