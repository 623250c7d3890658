#include "platform/command_model.h"

#include <stdexcept>

#include "base/checked.h"

Action::Action(Passkey, ActionList& owner, const ActionDef& def)
    : owner_(owner),
      name_(def.Name ? def.Name : ""),
      code_(def.Code),
      tag_(def.Tag),
      checked_(def.Checked),
      autoCheck_(def.AutoCheck),
      groupIndex_(def.GroupIndex),
      shortCut_(def.ShortCut) {}

void Action::SetChecked(bool checked) { owner_.ApplyChecked(*this, checked); }

void Action::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  owner_.Notify(*this, ActionChange::kEnabled);
}

void Action::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  owner_.Notify(*this, ActionChange::kVisible);
}

bool Action::Execute() {
  if (!enabled_) return false;
  if (autoCheck_) SetChecked(!checked_);
  // A copy, so that a handler may rebind this command while it runs.
  Handler handler = handler_;
  if (handler) handler(*this);
  return true;
}

ActionList::ActionList(const std::vector<ActionDef>& defs) {
  actions_.reserve(defs.size());
  for (const ActionDef& def : defs) {
    auto action = std::make_unique<Action>(Action::Passkey(), *this, def);
    const std::string& name = action->Name();
    if (name.empty()) throw std::invalid_argument("command without a name");
    if (Find(name)) throw std::invalid_argument("command name used twice: " + name);
    if (action->Code() == 0) throw std::invalid_argument("command without a code: " + name);
    if (FindByCode(action->Code()))
      throw std::invalid_argument("command code used twice: " + std::to_string(action->Code()));
    if (!action->ShortCut().IsNone() && FindByShortCut(action->ShortCut()))
      throw std::invalid_argument("shortcut used twice: " + name);
    if (action->Checked() && action->GroupIndex() > 0) {
      for (const auto& other : actions_) {
        if (other->Checked() && other->GroupIndex() == action->GroupIndex())
          throw std::invalid_argument("two checked commands in one group: " + name);
      }
    }
    actions_.push_back(std::move(action));
  }
}

Action& ActionList::operator[](std::size_t index) { return *CheckedAt(actions_, index); }

const Action& ActionList::operator[](std::size_t index) const {
  return *CheckedAt(actions_, index);
}

Action* ActionList::Find(const std::string& name) {
  for (const auto& action : actions_) {
    if (action->Name() == name) return action.get();
  }
  return nullptr;
}

const Action* ActionList::Find(const std::string& name) const {
  for (const auto& action : actions_) {
    if (action->Name() == name) return action.get();
  }
  return nullptr;
}

Action& ActionList::Get(const std::string& name) {
  Action* action = Find(name);
  if (!action) throw std::invalid_argument("no command named " + name);
  return *action;
}

Action* ActionList::FindByCode(uint16_t code) {
  if (code == 0) return nullptr;
  for (const auto& action : actions_) {
    if (action->Code() == code) return action.get();
  }
  return nullptr;
}

Action* ActionList::FindByShortCut(KeyCombo key) {
  if (key.IsNone()) return nullptr;
  for (const auto& action : actions_) {
    if (action->ShortCut() == key) return action.get();
  }
  return nullptr;
}

bool ActionList::ExecuteCode(uint16_t code) {
  Action* action = FindByCode(code);
  if (!action) return false;
  action->Execute();
  return true;
}

int ActionList::AddListener(ChangeListener listener) {
  const int id = nextListenerId_++;
  listeners_.emplace_back(id, std::move(listener));
  return id;
}

void ActionList::RemoveListener(int id) {
  for (auto it = listeners_.begin(); it != listeners_.end(); ++it) {
    if (it->first == id) {
      listeners_.erase(it);
      return;
    }
  }
}

void ActionList::ApplyChecked(Action& action, bool checked) {
  if (action.checked_ == checked) return;
  // The whole group settles before anyone is told, so that a listener never
  // sees two checked members.
  std::vector<Action*> changed{&action};
  action.checked_ = checked;
  if (checked && action.groupIndex_ > 0) {
    for (const auto& other : actions_) {
      if (other.get() != &action && other->groupIndex_ == action.groupIndex_ && other->checked_) {
        other->checked_ = false;
        changed.push_back(other.get());
      }
    }
  }
  for (Action* each : changed) Notify(*each, ActionChange::kChecked);
}

void ActionList::Notify(const Action& action, ActionChange change) {
  // A copy, so that a listener may add or remove listeners while it is told.
  const auto listeners = listeners_;
  for (const auto& entry : listeners) entry.second(action, change);
}
