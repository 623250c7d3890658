#include "resources/zoom_ladder.h"

#include <stdexcept>

#include "general/helpers.h"
#include "resources/commands.h"

namespace {

const MenuItemDef& ZoomMenu() {
  const MenuItemDef* menu = FindMenuItem(MainMenuDef(), "mniZoom");
  // The menu description is built into the program, so a missing zoom menu can
  // only be a broken build.
  if (!menu) throw std::logic_error("the main menu has no zoom submenu");
  return *menu;
}

}  // namespace

int32_t StepZoomIndex(int32_t zoomIndex, int32_t step, int32_t itemCount, int32_t savedZoom) {
  if (savedZoom > 0) return -1;
  if (step != 1 && step != -1) return -1;
  if (step < 0 && zoomIndex <= 0) return -1;
  if (step > 0 && zoomIndex >= itemCount - 1) return -1;
  return Clamp(zoomIndex + step, 0, itemCount - 1);
}

int32_t ZoomStepOfCommand(const std::string& commandName) {
  if (commandName == "actZoom_Up") return 1;
  if (commandName == "actZoom_Down") return -1;
  return 0;
}

std::vector<std::string> ZoomLadderCommands() {
  std::vector<std::string> names;
  for (const MenuItemDef& item : ZoomMenu().Items) names.push_back(item.Command);
  return names;
}

int32_t ZoomItemIndexOfCommand(const std::string& commandName) {
  if (commandName.compare(0, 3, "act") != 0) return -1;
  return MenuIndexOf(ZoomMenu(), "mni" + commandName.substr(3));
}

int32_t InitialZoomItemIndex() { return ZoomMenu().Tag; }
