#include "platform/menu_model.h"

const MenuItemDef* FindMenuItem(const MenuItemDef& root, const std::string& name) {
  for (const MenuItemDef& item : root.Items) {
    if (item.Name == name) return &item;
    if (const MenuItemDef* found = FindMenuItem(item, name)) return found;
  }
  return nullptr;
}

int32_t MenuIndexOf(const MenuItemDef& parent, const std::string& name) {
  for (std::size_t i = 0; i < parent.Items.size(); ++i) {
    if (parent.Items[i].Name == name) return static_cast<int32_t>(i);
  }
  return -1;
}

const std::wstring& MenuItemCaption(const MenuItemDef& item, const Action& action) {
  return item.Caption.empty() ? action.Caption() : item.Caption;
}

const std::wstring& MenuItemHint(const MenuItemDef& item, const Action& action) {
  return item.Hint.empty() ? action.Hint() : item.Hint;
}
