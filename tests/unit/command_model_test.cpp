#include "platform/command_model.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "base/checked.h"

namespace {

// A small table with two groups, a plain check command and a plain command.
std::vector<ActionDef> SampleDefs() {
  return {
      {"actA_1", 101, 1, true, false, 1, {}},
      {"actA_2", 102, 2, false, false, 1, {}},
      {"actA_3", 103, 3, false, true, 1, {}},
      {"actB_1", 201, 0, false, true, 2, {}},
      {"actB_2", 202, 0, false, false, 2, {}},
      {"actC_Toggle", 301, 0, true, true, 0, {}},
      {"actC_Plain", 302, 0, false, false, 0, {0x73, kModAlt}},
  };
}

struct Recorder {
  std::vector<std::string> ran;
  Action::Handler Handler() {
    return [this](Action& sender) { ran.push_back(sender.Name()); };
  }
};

std::vector<std::string> CheckedNames(const ActionList& list) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < list.Count(); ++i) {
    if (list[i].Checked()) names.push_back(list[i].Name());
  }
  return names;
}

using Names = std::vector<std::string>;

TEST(ActionList, KeepsTableOrderAndFindsByNameAndCode) {
  ActionList list(SampleDefs());
  ASSERT_EQ(list.Count(), 7u);
  EXPECT_EQ(list[3].Name(), "actB_1");
  EXPECT_EQ(list.FindByCode(202), list.Find("actB_2"));
  EXPECT_EQ(list.Find("actB_2")->Code(), 202);
  EXPECT_EQ(list.Find("actZ_9"), nullptr);
  EXPECT_EQ(list.FindByCode(0), nullptr);
  EXPECT_EQ(list.FindByCode(999), nullptr);
  EXPECT_THROW(list.Get("actZ_9"), std::invalid_argument);
  EXPECT_THROW(list.Bind("actZ_9", [](Action&) {}), std::invalid_argument);
  EXPECT_THROW(list[7], CheckedError);
}

TEST(ActionList, ShortCutMatchesKeyAndModifiersExactly) {
  ActionList list(SampleDefs());
  EXPECT_EQ(list.FindByShortCut({0x73, kModAlt}), list.Find("actC_Plain"));
  EXPECT_EQ(list.FindByShortCut({0x73, 0}), nullptr);
  EXPECT_EQ(list.FindByShortCut({0x73, kModAlt | kModShift}), nullptr);
  EXPECT_EQ(list.FindByShortCut({}), nullptr);  // commands without a shortcut match nothing
}

TEST(ActionList, RejectsAmbiguousTables) {
  auto with = [](ActionDef extra) {
    auto defs = SampleDefs();
    defs.push_back(extra);
    return defs;
  };
  EXPECT_THROW(ActionList(with({"actA_1", 900, 0, false, false, 0, {}})),
               std::invalid_argument);  // name twice
  EXPECT_THROW(ActionList(with({"actX_1", 101, 0, false, false, 0, {}})),
               std::invalid_argument);  // code twice
  EXPECT_THROW(ActionList(with({"actX_1", 0, 0, false, false, 0, {}})),
               std::invalid_argument);  // code 0 would be reachable from an empty key entry
  EXPECT_THROW(ActionList(with({"actX_1", 900, 0, true, false, 1, {}})),
               std::invalid_argument);  // second checked member of group 1
  EXPECT_THROW(ActionList(with({"actX_1", 900, 0, false, false, 0, {0x73, kModAlt}})),
               std::invalid_argument);  // shortcut twice
  EXPECT_NO_THROW(ActionList(with({"actX_1", 900, 0, true, false, 0, {}})));
}

TEST(ActionGroups, CheckingOneMemberUnchecksTheOthersWithoutRunningThem) {
  ActionList list(SampleDefs());
  Recorder rec;
  for (const char* name : {"actA_1", "actA_2", "actA_3", "actB_1", "actB_2"})
    list.Bind(name, rec.Handler());

  list.Get("actA_2").SetChecked(true);
  EXPECT_EQ(CheckedNames(list), (Names{"actA_2", "actC_Toggle"}));
  EXPECT_TRUE(rec.ran.empty());

  // Another group and ungrouped commands are left alone.
  list.Get("actB_2").SetChecked(true);
  EXPECT_EQ(CheckedNames(list), (Names{"actA_2", "actB_2", "actC_Toggle"}));

  // Unchecking leaves the group empty rather than checking a neighbour.
  list.Get("actA_2").SetChecked(false);
  EXPECT_EQ(CheckedNames(list), (Names{"actB_2", "actC_Toggle"}));
  EXPECT_TRUE(rec.ran.empty());
}

TEST(ActionGroups, ExecutingAGroupMemberWithoutAutoCheckLeavesTheCheckToItsHandler) {
  ActionList list(SampleDefs());
  list.Bind("actA_2", [](Action& sender) { sender.SetChecked(true); });
  EXPECT_TRUE(list.ExecuteCode(102));
  EXPECT_EQ(CheckedNames(list), (Names{"actA_2", "actC_Toggle"}));

  list.Bind("actB_2", [](Action&) {});
  list.ExecuteCode(202);
  EXPECT_FALSE(list.Get("actB_2").Checked());
}

TEST(AutoCheck, InvertsBeforeTheHandlerRuns) {
  ActionList list(SampleDefs());
  std::vector<bool> seen;
  list.Bind("actC_Toggle", [&](Action& sender) { seen.push_back(sender.Checked()); });
  list.ExecuteCode(301);
  list.ExecuteCode(301);
  EXPECT_EQ(seen, (std::vector<bool>{false, true}));
}

TEST(AutoCheck, FollowsTheGroupRuleBothWays) {
  ActionList list(SampleDefs());
  Recorder rec;
  list.Bind("actA_1", rec.Handler());
  list.Bind("actA_3", rec.Handler());

  list.Get("actA_3").Execute();  // checks itself, takes the check from actA_1
  EXPECT_EQ(CheckedNames(list), (Names{"actA_3", "actC_Toggle"}));
  list.Get("actA_3").Execute();  // inverts back: the group may end with none checked
  EXPECT_EQ(CheckedNames(list), (Names{"actC_Toggle"}));
  EXPECT_EQ(rec.ran, (Names{"actA_3", "actA_3"}));
}

TEST(Execute, UnknownCodesAreReportedAndDisabledCommandsDoNothing) {
  ActionList list(SampleDefs());
  Recorder rec;
  list.Bind("actC_Toggle", rec.Handler());
  EXPECT_FALSE(list.ExecuteCode(0));
  EXPECT_FALSE(list.ExecuteCode(104));
  EXPECT_TRUE(rec.ran.empty());

  Action& toggle = list.Get("actC_Toggle");
  toggle.SetEnabled(false);
  EXPECT_TRUE(list.ExecuteCode(301));  // found: no beep, but nothing happens
  EXPECT_FALSE(toggle.Execute());
  EXPECT_TRUE(toggle.Checked());
  EXPECT_TRUE(rec.ran.empty());

  // A command without a handler is still a command.
  EXPECT_FALSE(list.Get("actC_Plain").HasHandler());
  EXPECT_TRUE(list.ExecuteCode(302));
}

TEST(Execute, HandlerErrorsReachTheCaller) {
  ActionList list(SampleDefs());
  list.Bind("actC_Plain", [](Action&) { throw std::runtime_error("boom"); });
  EXPECT_THROW(list.ExecuteCode(302), std::runtime_error);
}

TEST(ChangeNotification, TellsEveryChangeOnceWithTheGroupSettled) {
  ActionList list(SampleDefs());
  std::vector<std::string> log;
  const int id = list.AddListener([&](const Action& a, ActionChange change) {
    const char* what = change == ActionChange::kChecked   ? "checked"
                       : change == ActionChange::kEnabled ? "enabled"
                                                          : "visible";
    // The group must already be consistent when anyone hears of it.
    int checkedInGroup = 0;
    for (std::size_t i = 0; i < list.Count(); ++i)
      checkedInGroup += list[i].GroupIndex() == 1 && list[i].Checked();
    EXPECT_LE(checkedInGroup, 1);
    log.push_back(a.Name() + " " + what + " " + (a.Checked() ? "1" : "0"));
  });

  list.Get("actA_3").SetChecked(true);
  EXPECT_EQ(log, (Names{"actA_3 checked 1", "actA_1 checked 0"}));

  log.clear();
  list.Get("actA_3").SetChecked(true);  // no change, no news
  list.Get("actC_Plain").SetEnabled(true);
  list.Get("actC_Plain").SetVisible(true);
  EXPECT_TRUE(log.empty());

  list.Get("actC_Plain").SetEnabled(false);
  list.Get("actC_Plain").SetVisible(false);
  list.Get("actA_3").SetTag(42);  // the Tag is not shown anywhere
  EXPECT_EQ(log, (Names{"actC_Plain enabled 0", "actC_Plain visible 0"}));
  EXPECT_EQ(list.Get("actA_3").Tag(), 42);

  list.RemoveListener(id);
  log.clear();
  list.ExecuteCode(301);
  EXPECT_TRUE(log.empty());
}

TEST(ChangeNotification, AListenerMayUnsubscribeWhileBeingTold) {
  ActionList list(SampleDefs());
  int calls = 0;
  int id = 0;
  id = list.AddListener([&](const Action&, ActionChange) {
    ++calls;
    list.RemoveListener(id);
  });
  list.Get("actA_2").SetChecked(true);  // two changes, but the listener left after the first
  EXPECT_EQ(calls, 1);
}

}  // namespace
