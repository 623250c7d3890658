#include <gtest/gtest.h>

#include <cwchar>
#include <cwctype>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "main/texts/command_texts.h"
#include "resources/commands.h"
#include "resources/zoom_ladder.h"

namespace {

// The texts of one language for the test's life.
struct Speaking {
  explicit Speaking(TLanguage language) { StartLanguage(language, language); }
  ~Speaking() { StartLanguage(std::nullopt, TLanguage::Japanese); }
};

// What a menu item shows: a submenu's caption, a command item's own or else its command's.
std::wstring CaptionOf(const MenuItemDef& item, const ActionList& list) {
  for (const TMenuText& row : MenuTexts())
    if (item.Name == row.Item && *Pick(row.Caption) != L'\0') return Pick(row.Caption);
  return item.Kind == MenuItemKind::kSubmenu ? std::wstring() : list.Find(item.Command)->Caption();
}

using Names = std::set<std::string>;

// The menu group of a command's name: "actZoom_6" -> "Zoom", "actHelp" -> "Help".
std::string GroupOf(const std::string& name) {
  const std::size_t underscore = name.find('_');
  return name.substr(3, underscore == std::string::npos ? std::string::npos : underscore - 3);
}

void CollectItems(const MenuItemDef& menu, std::vector<const MenuItemDef*>& out) {
  for (const MenuItemDef& item : menu.Items) {
    out.push_back(&item);
    CollectItems(item, out);
  }
}

std::vector<const MenuItemDef*> AllItems() {
  std::vector<const MenuItemDef*> items;
  CollectItems(MainMenuDef(), items);
  return items;
}

std::vector<const MenuItemDef*> AllMenus() {
  std::vector<const MenuItemDef*> menus{&MainMenuDef()};
  for (const MenuItemDef* item : AllItems())
    if (item->Kind == MenuItemKind::kSubmenu) menus.push_back(item);
  return menus;
}

const MenuItemDef& Item(const std::string& name) {
  const MenuItemDef* item = FindMenuItem(MainMenuDef(), name);
  if (!item) throw std::invalid_argument("no menu item " + name);
  return *item;
}

Names CommandsWith(const ActionList& list, bool (Action::*flag)() const) {
  Names names;
  for (std::size_t i = 0; i < list.Count(); ++i)
    if ((list[i].*flag)()) names.insert(list[i].Name());
  return names;
}

// The information-line commands, one per panel item.
const char* const kLineCommands[] = {
    "actColor_RGB",       "actColor_HTML",         "actColor_COLORREF",     "actPos_Screen",
    "actPos_Client",      "actPos_User",           "actWinInfo_Handle",     "actWinInfo_ClassName",
    "actWinInfo_Text",    "actWinInfo_WindowSize", "actWinInfo_ClientSize", "actWinInfo_Rect",
    "actWinInfo_ExeName",
};

TEST(CommandTable, NamesCodesAndCategoriesAgree) {
  ActionList list(MainCommandDefs());  // throws on a repeated name, code or shortcut
  const std::map<std::string, int> thousands = {
      {"Zoom", 1},  {"Grid", 2},    {"Color", 3},  {"Pos", 4},   {"WinInfo", 5},
      {"Copy", 6},  {"Capture", 7}, {"Opt", 8},    {"Menu", 10}, {"Move", 11},
      {"File", 12}, {"Help", 13},   {"Element", 9}};
  for (TLanguage language : kLanguages) {
    Speaking speaking(language);
    ApplyCommandTexts(list);
    std::map<std::string, std::wstring> categoryOfGroup;
    std::set<std::wstring> categories;
    for (std::size_t i = 0; i < list.Count(); ++i) {
      const Action& a = list[i];
      ASSERT_EQ(a.Name().compare(0, 3, "act"), 0) << a.Name();
      const std::string group = GroupOf(a.Name());
      ASSERT_TRUE(thousands.count(group)) << a.Name();
      EXPECT_EQ(a.Code() / 1000, thousands.at(group)) << a.Name();
      EXPECT_FALSE(a.Caption().empty()) << a.Name();
      auto inserted = categoryOfGroup.emplace(group, a.Category());
      EXPECT_EQ(inserted.first->second, a.Category()) << a.Name() << " leaves its category";
      if (inserted.second) categories.insert(a.Category());
    }
    EXPECT_EQ(categories.size(), thousands.size()) << "two groups share a category";
  }
}

TEST(CommandTable, StartStateIsZoomSixGreyGridAndTheDefaultLines) {
  ActionList list(MainCommandDefs());
  EXPECT_EQ(CommandsWith(list, &Action::Checked),
            (Names{"actZoom_6", "actGrid_Disp", "actGrid_Gray", "actGrid_SubBlue", "actColor_RGB",
                   "actColor_HTML", "actColor_Sample1", "actPos_Screen", "actPos_Tolerance0",
                   "actWinInfo_Handle", "actWinInfo_ClassName", "actWinInfo_Text",
                   "actOpt_InstantFollow"}));
}

TEST(CommandTable, GroupsAreZoomGridSubGridAndCaptureMode) {
  ActionList list(MainCommandDefs());
  std::map<int32_t, Names> groups;
  for (std::size_t i = 0; i < list.Count(); ++i)
    if (list[i].GroupIndex() != 0) groups[list[i].GroupIndex()].insert(list[i].Name());
  Names zoomFactors;
  for (const std::string& name : ZoomLadderCommands()) zoomFactors.insert(name);
  EXPECT_EQ(
      groups,
      (std::map<int32_t, Names>{
          {1, zoomFactors},
          {2, {"actGrid_Gray", "actGrid_Invert", "actGrid_Transparent", "actGrid_SelColor"}},
          {3, {"actGrid_SubBlue", "actGrid_SelSubColor"}},
          {4, {"actCapture_Lupe", "actCapture_Fixed"}},
          {5, {"actOpt_LanguageJapanese", "actOpt_LanguageEnglish"}},
          {6,
           {"actPos_Tolerance0", "actPos_Tolerance2", "actPos_Tolerance8", "actPos_Tolerance16",
            "actPos_Tolerance32", "actPos_Tolerance64"}},
          {7, {"actColor_Sample1", "actColor_Sample3", "actColor_Sample5", "actColor_Sample9"}},
      }));

  // Fixed-point mode takes the check from loupe mode; none checked means follow mode.
  list.Get("actCapture_Lupe").Execute();
  list.Get("actCapture_Fixed").SetChecked(true);
  EXPECT_FALSE(list.Get("actCapture_Lupe").Checked());
  list.Get("actCapture_Fixed").SetChecked(false);
  EXPECT_FALSE(list.Get("actCapture_Lupe").Checked());
}

TEST(CommandTable, LineCommandsToggleThemselvesOthersLeaveItToTheirHandlers) {
  ActionList list(MainCommandDefs());
  for (const char* name : kLineCommands) {
    Action& line = list.Get(name);
    const bool before = line.Checked();
    EXPECT_TRUE(list.ExecuteCode(line.Code()));
    EXPECT_NE(line.Checked(), before) << name;
  }
  // These handlers invert the command themselves (or decide from the modifier
  // keys); an AutoCheck on top would undo them.
  for (const char* name : {"actGrid_Disp", "actOpt_StayOnTop", "actCapture_Fixed",
                           "actCapture_Pause", "actZoom_8", "actGrid_Invert"}) {
    Action& a = list.Get(name);
    const bool before = a.Checked();
    list.ExecuteCode(a.Code());
    EXPECT_EQ(a.Checked(), before) << name;
  }
}

TEST(CommandTable, ExecuteByCode) {
  ActionList list(MainCommandDefs());
  for (uint16_t unknown : {0, 1005, 1009, 9999, 65535}) EXPECT_FALSE(list.ExecuteCode(unknown));

  int ran = 0;
  list.Bind("actOpt_NoSelfCapture", [&](Action& sender) {
    EXPECT_TRUE(sender.Checked());
    ++ran;
  });
  EXPECT_TRUE(list.ExecuteCode(8006));
  EXPECT_EQ(ran, 1);

  // The actual-size key's command has no handler: reaching it changes nothing.
  EXPECT_TRUE(list.ExecuteCode(7013));
  EXPECT_FALSE(list.Get("actCapture_Disp_x1").HasHandler());
}

TEST(CommandTable, OnlyTheMenuAndExitCommandsHaveShortcuts) {
  ActionList list(MainCommandDefs());
  EXPECT_EQ(list.FindByShortCut({kVkF10, kModAlt}), list.Find("actMenu_Main"));
  EXPECT_EQ(list.FindByShortCut({kVkF4, kModAlt}), list.Find("actFile_Exit"));
  EXPECT_EQ(list.FindByShortCut({kVkF4, 0}), nullptr);
  Names withShortCut;
  for (std::size_t i = 0; i < list.Count(); ++i)
    if (!list[i].ShortCut().IsNone()) withShortCut.insert(list[i].Name());
  EXPECT_EQ(withShortCut, (Names{"actMenu_Main", "actFile_Exit"}));
}

TEST(MainMenu, EveryItemIsNamedOnceAndShowsAnExistingCommandOnce) {
  ActionList list(MainCommandDefs());
  Names itemNames, shown;
  for (const MenuItemDef* item : AllItems()) {
    EXPECT_EQ(item->Name.compare(0, 3, "mni"), 0) << item->Name;
    EXPECT_TRUE(itemNames.insert(item->Name).second) << item->Name << " twice";
    if (item->Kind == MenuItemKind::kCommand) {
      EXPECT_NE(list.Find(item->Command), nullptr) << item->Name << " shows " << item->Command;
      EXPECT_TRUE(shown.insert(item->Command).second) << item->Command << " shown twice";
      EXPECT_TRUE(item->Items.empty()) << item->Name;
    } else {
      EXPECT_TRUE(item->Command.empty()) << item->Name;
    }
    if (item->Kind == MenuItemKind::kSeparator) {
      EXPECT_TRUE(item->Items.empty()) << item->Name;
    }
  }
  for (const char* offMenu : {"actPos_UserPosSet", "actCapture_Update", "actCapture_Disp_x1"})
    EXPECT_EQ(shown.count(offMenu), 0u) << offMenu;
  for (const char* onMenu : kLineCommands) EXPECT_EQ(shown.count(onMenu), 1u) << onMenu;
}

TEST(MainMenu, OnlyVersionMinimiseAndTheirSeparatorAreHidden) {
  Names hidden;
  for (const MenuItemDef* item : AllItems())
    if (!item->Visible) hidden.insert(item->Name);
  EXPECT_EQ(hidden, (Names{"mniHelp_VersionInfo", "mniFile_Minimize", "mniMain_Line4"}));
  // Hiding them must leave the exit item last and one visible separator above it.
  const auto& top = MainMenuDef().Items;
  EXPECT_EQ(top.back().Name, "mniFile_Exit");
  EXPECT_EQ(MenuIndexOf(MainMenuDef(), "mniMain_Line3"),
            MenuIndexOf(MainMenuDef(), "mniHelp_VersionInfo") - 1);
}

TEST(MainMenu, AtMostOneBoldItemPerSubmenu) {
  Names bold;
  for (const MenuItemDef* menu : AllMenus()) {
    int count = 0;
    for (const MenuItemDef& item : menu->Items) {
      if (!item.Default) continue;
      ++count;
      bold.insert(item.Name);
      EXPECT_EQ(item.Kind, MenuItemKind::kCommand) << item.Name;
    }
    EXPECT_LE(count, 1) << menu->Name;
  }
  EXPECT_EQ(bold, (Names{"mniZoom_6", "mniGrid_Disp", "mniColor_InfoOnOff", "mniPos_InfoOnOff",
                         "mniWinInfo_InfoOnOff", "mniElement_InfoOnOff", "mniCapture_Pause",
                         "mniOpt_StayOnTop"}));
}

TEST(MainMenu, AcceleratorLettersAreUniqueWithinEachMenuInEveryLanguage) {
  ActionList list(MainCommandDefs());
  for (TLanguage language : kLanguages) {
    Speaking speaking(language);
    ApplyCommandTexts(list);
    for (const MenuItemDef* menu : AllMenus()) {
      std::set<wchar_t> letters;
      for (const MenuItemDef& item : menu->Items) {
        if (item.Kind == MenuItemKind::kSeparator) continue;
        const std::wstring caption = CaptionOf(item, list);
        EXPECT_FALSE(caption.empty()) << item.Name;
        const std::size_t amp = caption.find(L'&');
        if (amp == std::wstring::npos) continue;
        ASSERT_LT(amp + 1, caption.size()) << item.Name;
        EXPECT_EQ(caption.find(L'&', amp + 1), std::wstring::npos) << item.Name;
        EXPECT_TRUE(letters.insert(std::towupper(caption[amp + 1])).second)
            << item.Name << " repeats an accelerator of " << menu->Name;
      }
    }
  }
}

TEST(MainMenu, RadioItemsOfOneMenuGroupShowExactlyOneCommandGroup) {
  ActionList list(MainCommandDefs());
  for (const MenuItemDef* menu : AllMenus()) {
    std::map<int32_t, Names> byMenuGroup;
    for (const MenuItemDef& item : menu->Items) {
      if (item.Kind != MenuItemKind::kCommand || item.GroupIndex == 0) continue;
      byMenuGroup[item.GroupIndex].insert(item.Command);
    }
    for (const auto& entry : byMenuGroup) {
      const int32_t commandGroup = list.Get(*entry.second.begin()).GroupIndex();
      ASSERT_GT(commandGroup, 0) << menu->Name;
      Names wholeGroup;
      for (std::size_t i = 0; i < list.Count(); ++i)
        if (list[i].GroupIndex() == commandGroup) wholeGroup.insert(list[i].Name());
      EXPECT_EQ(entry.second, wholeGroup) << menu->Name << " group " << entry.first;
    }
  }
  EXPECT_FALSE(Item("mniZoom_12").RadioItem);  // a check mark, not a bullet
  EXPECT_EQ(Item("mniZoom_12").GroupIndex, 1);
  EXPECT_TRUE(Item("mniZoom_16").RadioItem);
  EXPECT_TRUE(Item("mniCapture_Fixed").RadioItem);
  EXPECT_FALSE(Item("mniWinInfo_Handle").RadioItem);
}

TEST(MainMenu, GridPositionsOfTheSettingsFileMatchTheSubmenu) {
  ActionList list(MainCommandDefs());
  const MenuItemDef& grid = Item("mniGrid");
  ASSERT_EQ(static_cast<int32_t>(grid.Items.size()), kGridItemCount);
  EXPECT_EQ(grid.Items[kGridItemDisp].Command, "actGrid_Disp");
  EXPECT_EQ(grid.Items[kGridItemLineGrid].Kind, MenuItemKind::kSeparator);
  EXPECT_EQ(grid.Items[kGridItemLineSubGrid].Kind, MenuItemKind::kSeparator);
  EXPECT_EQ(MenuIndexOf(grid, "mniGrid_LineSubGrid"), kGridItemLineSubGrid);
  const std::pair<int32_t, const char*> colours[] = {{kGridItemGray, "actGrid_Gray"},
                                                     {kGridItemInvert, "actGrid_Invert"},
                                                     {kGridItemTransparent, "actGrid_Transparent"},
                                                     {kGridItemSelColor, "actGrid_SelColor"},
                                                     {kGridItemSubBlue, "actGrid_SubBlue"},
                                                     {kGridItemSelSubColor, "actGrid_SelSubColor"}};
  for (const auto& c : colours) EXPECT_EQ(grid.Items[c.first].Command, c.second);
  // Every position between the separators is a grid colour, every one after
  // the second a sub-grid colour.
  for (int32_t i = kGridItemLineGrid + 1; i < kGridItemLineSubGrid; ++i)
    EXPECT_EQ(list.Get(grid.Items[i].Command).GroupIndex(), 2) << i;
  for (int32_t i = kGridItemLineSubGrid + 1; i < kGridItemCount; ++i)
    EXPECT_EQ(list.Get(grid.Items[i].Command).GroupIndex(), 3) << i;
}

TEST(MainMenu, ItemsShowTheirCommandsTextsUnlessTheyHaveTheirOwn) {
  ActionList list(MainCommandDefs());
  Speaking speaking(TLanguage::Japanese);
  ApplyCommandTexts(list);
  const Action& winOnOff = list.Get("actWinInfo_InfoOnOff");
  EXPECT_EQ(CaptionOf(Item("mniWinInfo_InfoOnOff"), list), L"表示の一括ON/OFF");
  EXPECT_NE(winOnOff.Caption(), L"表示の一括ON/OFF");
  EXPECT_EQ(CaptionOf(Item("mniColor_InfoOnOff"), list), list.Get("actColor_InfoOnOff").Caption());
  EXPECT_EQ(CaptionOf(Item("mniFile_Exit"), list), L"終了(&X)");
  // Every own text names an item of the menu.
  for (const TMenuText& row : MenuTexts())
    EXPECT_NE(FindMenuItem(MainMenuDef(), row.Item), nullptr);
}

TEST(ZoomLadder, ClimbsTheTenFactorsInMenuOrder) {
  ActionList list(MainCommandDefs());
  Speaking speaking(TLanguage::Japanese);
  ApplyCommandTexts(list);
  const std::vector<std::string> ladder = ZoomLadderCommands();
  std::vector<int32_t> factors;
  for (std::size_t i = 0; i < ladder.size(); ++i) {
    const Action& zoom = list.Get(ladder[i]);
    factors.push_back(zoom.Tag());
    EXPECT_EQ(zoom.Code(), 1000 + zoom.Tag()) << ladder[i];
    wchar_t caption[16];
    std::swprintf(caption, 16, L"%2d倍", zoom.Tag());
    EXPECT_EQ(zoom.Caption(), caption);
    // The zoom command finds its own menu position by the paired item name.
    EXPECT_EQ(ZoomItemIndexOfCommand(ladder[i]), static_cast<int32_t>(i));
  }
  EXPECT_EQ(factors, (std::vector<int32_t>{1, 2, 3, 4, 6, 8, 10, 12, 16, 20}));
  EXPECT_EQ(ZoomItemIndexOfCommand("actZoom_12"), 7);
  EXPECT_EQ(ZoomItemIndexOfCommand("actZoom_Up"), -1);
  EXPECT_EQ(ZoomItemIndexOfCommand("Zoom_6"), -1);

  // The submenu's Tag names the item whose command starts checked: x6.
  const int32_t start = InitialZoomItemIndex();
  ASSERT_GE(start, 0);
  ASSERT_LT(start, static_cast<int32_t>(ladder.size()));
  EXPECT_TRUE(list.Get(ladder[start]).Checked());
  EXPECT_EQ(list.Get(ladder[start]).Tag(), 6);
  EXPECT_TRUE(Item("mniZoom").Items[start].Default);
}

TEST(ZoomLadder, StepsStopAtTheEndsAndWhileActualSizeIsHeld) {
  const int32_t n = static_cast<int32_t>(ZoomLadderCommands().size());
  EXPECT_EQ(StepZoomIndex(4, +1, n, -1), 5);  // x6 -> x8
  EXPECT_EQ(StepZoomIndex(4, -1, n, -1), 3);
  EXPECT_EQ(StepZoomIndex(n - 1, +1, n, -1), -1);
  EXPECT_EQ(StepZoomIndex(n - 2, +1, n, -1), n - 1);
  EXPECT_EQ(StepZoomIndex(0, -1, n, -1), -1);
  EXPECT_EQ(StepZoomIndex(1, -1, n, -1), 0);
  EXPECT_EQ(StepZoomIndex(4, +1, n, 6), -1);  // actual-size view held
  EXPECT_EQ(StepZoomIndex(4, -1, n, 6), -1);
  EXPECT_EQ(StepZoomIndex(4, +1, n, 0), 5);  // only a positive saved zoom blocks
  EXPECT_EQ(StepZoomIndex(4, 0, n, -1), -1);
  EXPECT_EQ(StepZoomIndex(4, 2, n, -1), -1);
  // An index outside the menu is pulled back into it.
  EXPECT_EQ(StepZoomIndex(-3, +1, n, -1), 0);
  EXPECT_EQ(StepZoomIndex(n + 5, -1, n, -1), n - 1);

  EXPECT_EQ(ZoomStepOfCommand("actZoom_Up"), 1);
  EXPECT_EQ(ZoomStepOfCommand("actZoom_Down"), -1);
  EXPECT_EQ(ZoomStepOfCommand("actZoom_6"), 0);
}

}  // namespace
