// The command model of the main window: named commands with a 16-bit code, check
// state, radio groups and AutoCheck, owned in table order by an ActionList. The
// window binds the handlers and a menu follows the state through change
// notifications; nothing here knows about windows, so the rules can be tested
// with any table.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

enum KeyModifier : uint8_t { kModShift = 1, kModCtrl = 2, kModAlt = 4 };

// A key combination: a virtual-key code plus modifier bits. Key 0 is "none".
struct KeyCombo {
  uint16_t Key = 0;
  uint8_t Modifiers = 0;
  bool IsNone() const { return Key == 0; }
  friend bool operator==(const KeyCombo& a, const KeyCombo& b) {
    return a.Key == b.Key && a.Modifiers == b.Modifiers;
  }
  friend bool operator!=(const KeyCombo& a, const KeyCombo& b) { return !(a == b); }
};

// One row of a command table, as the window's description holds it. The texts are given
// afterwards (SetTexts), in whatever language the window speaks.
struct ActionDef {
  const char* Name;
  uint16_t Code;
  int32_t Tag;
  bool Checked;
  bool AutoCheck;
  int32_t GroupIndex;
  KeyCombo ShortCut;
};

enum class ActionChange { kChecked, kEnabled, kVisible };

class ActionList;

class Action {
 public:
  using Handler = std::function<void(Action& sender)>;

  // Only an ActionList creates actions, so every action has an owner that
  // keeps its group consistent.
  class Passkey {
    friend class ActionList;
    Passkey() = default;
  };
  Action(Passkey, ActionList& owner, const ActionDef& def);
  Action(const Action&) = delete;
  Action& operator=(const Action&) = delete;

  const std::string& Name() const { return name_; }
  uint16_t Code() const { return code_; }
  const std::wstring& Caption() const { return caption_; }
  const std::wstring& Hint() const { return hint_; }
  const std::wstring& Category() const { return category_; }
  void SetTexts(std::wstring caption, std::wstring hint, std::wstring category) {
    caption_ = std::move(caption);
    hint_ = std::move(hint);
    category_ = std::move(category);
  }
  bool AutoCheck() const { return autoCheck_; }
  int32_t GroupIndex() const { return groupIndex_; }
  KeyCombo ShortCut() const { return shortCut_; }

  int32_t Tag() const { return tag_; }
  void SetTag(int32_t tag) { tag_ = tag; }

  bool Checked() const { return checked_; }
  // Checking a member of a group g > 0 unchecks the other members of g without
  // running their handlers; unchecking touches nothing else.
  void SetChecked(bool checked);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  bool HasHandler() const { return static_cast<bool>(handler_); }
  void SetHandler(Handler handler) { handler_ = std::move(handler); }

  // A disabled command does nothing and answers false. Otherwise AutoCheck
  // first inverts Checked (with the group rule), then the handler, if any, runs
  // with this command as sender; the answer is true.
  bool Execute();

 private:
  friend class ActionList;
  ActionList& owner_;
  std::string name_;
  uint16_t code_;
  std::wstring caption_;
  std::wstring hint_;
  std::wstring category_;
  int32_t tag_;
  bool checked_;
  bool enabled_ = true;
  bool visible_ = true;
  bool autoCheck_;
  int32_t groupIndex_;
  KeyCombo shortCut_;
  Handler handler_;
};

class ActionList {
 public:
  using ChangeListener = std::function<void(const Action&, ActionChange)>;

  // Throws std::invalid_argument for a table that would make lookups or groups
  // ambiguous: an empty or repeated name, a code of 0 or a repeated code, a
  // shortcut used twice, or two checked members of one group.
  explicit ActionList(const std::vector<ActionDef>& defs);
  ActionList(const ActionList&) = delete;
  ActionList& operator=(const ActionList&) = delete;

  std::size_t Count() const { return actions_.size(); }
  Action& operator[](std::size_t index);  // range-checked
  const Action& operator[](std::size_t index) const;

  Action* Find(const std::string& name);
  const Action* Find(const std::string& name) const;
  // For names the program itself spells: an unknown name is a programming
  // error and throws std::invalid_argument.
  Action& Get(const std::string& name);
  Action* FindByCode(uint16_t code);
  Action* FindByShortCut(KeyCombo key);

  void Bind(const std::string& name, Action::Handler handler) {
    Get(name).SetHandler(std::move(handler));
  }

  // Runs the command with that code. False only when no command has the code
  // (the caller sounds the beep); a disabled command is found but does nothing.
  bool ExecuteCode(uint16_t code);

  int AddListener(ChangeListener listener);
  void RemoveListener(int id);

 private:
  friend class Action;
  void ApplyChecked(Action& action, bool checked);
  void Notify(const Action& action, ActionChange change);

  std::vector<std::unique_ptr<Action>> actions_;
  std::vector<std::pair<int, ChangeListener>> listeners_;
  int nextListenerId_ = 1;
};
