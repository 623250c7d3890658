#include "platform/win/popup_menu.h"

#include <stdexcept>

namespace {
// Identifiers start above 0, which TrackPopupMenu answers when nothing was chosen.
constexpr UINT kFirstItemId = 1;
}  // namespace

PopupMenu::PopupMenu(const MenuItemDef& root, ActionList& actions)
    : root_(root), actions_(actions) {}

void PopupMenu::SetRadioItem(const std::string& name, bool radio) { radioOverrides_[name] = radio; }

void PopupMenu::SetItemCaption(const std::string& name, const std::wstring& caption) {
  captions_[name] = caption;
}

bool PopupMenu::IsRadio(const MenuItemDef& item) const {
  const auto found = radioOverrides_.find(item.Name);
  return found != radioOverrides_.end() ? found->second : item.RadioItem;
}

UniqueMenu PopupMenu::Build() {
  items_.clear();
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) throw std::runtime_error("CreatePopupMenu failed");
  AddItems(menu.get(), root_);
  return menu;
}

void PopupMenu::AddItems(HMENU menu, const MenuItemDef& parent) {
  UINT position = 0;
  for (const MenuItemDef& item : parent.Items) {
    if (!item.Visible) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    const auto own = captions_.find(item.Name);
    std::wstring caption = own != captions_.end() ? own->second : item.Caption;
    UniqueMenu submenu;
    switch (item.Kind) {
      case MenuItemKind::kSeparator:
        info.fMask = MIIM_FTYPE;
        info.fType = MFT_SEPARATOR;
        break;
      case MenuItemKind::kSubmenu:
        submenu.reset(CreatePopupMenu());
        if (!submenu) throw std::runtime_error("CreatePopupMenu failed");
        {
          // A submenu none of whose commands this system can run is left out with them.
          const std::size_t commandsBefore = items_.size();
          AddItems(submenu.get(), item);
          if (items_.size() == commandsBefore) continue;
        }
        info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU | MIIM_STATE;
        info.fType = MFT_STRING;
        info.fState = item.Default ? MFS_DEFAULT : 0;
        info.hSubMenu = submenu.get();
        break;
      case MenuItemKind::kCommand: {
        Action& action = actions_.Get(item.Command);
        if (!action.Visible()) continue;
        if (caption.empty()) caption = action.Caption();
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | (item.OwnerDrawn ? 0 : MIIM_STRING);
        info.fType =
            item.OwnerDrawn ? MFT_OWNERDRAW : MFT_STRING | (IsRadio(item) ? MFT_RADIOCHECK : 0);
        if (item.OwnerDrawn) caption.clear();
        info.fState = (action.Checked() ? MFS_CHECKED : 0) | (action.Enabled() ? 0 : MFS_DISABLED) |
                      (item.Default ? MFS_DEFAULT : 0);
        info.wID = kFirstItemId + static_cast<UINT>(items_.size());
        items_.push_back(&action);
        break;
      }
    }
    if (!caption.empty()) info.dwTypeData = &caption[0];
    if (!InsertMenuItemW(menu, position, TRUE, &info))
      throw std::runtime_error("InsertMenuItem failed for " + item.Name);
    submenu.release();  // the parent menu owns it now
    ++position;
  }
}

Action* PopupMenu::CommandOfItem(UINT id) {
  if (id < kFirstItemId || id - kFirstItemId >= items_.size()) return nullptr;
  return items_[id - kFirstItemId];
}

Action* PopupMenu::Popup(HWND owner, const Point& screen) {
  UniqueMenu menu = Build();
  // Without the foreground the menu would not close when the user clicks elsewhere.
  SetForegroundWindow(owner);
  const UINT id = static_cast<UINT>(
      TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                     screen.X, screen.Y, 0, owner, nullptr));
  // Lets the menu loop finish its own clean-up before the command runs.
  PostMessageW(owner, WM_NULL, 0, 0);
  Action* chosen = CommandOfItem(id);
  menu.reset();
  if (chosen) chosen->Execute();
  return chosen;
}
