// The zoom ladder: the zoom submenu's items in order, and the step arithmetic
// of the zoom-up and zoom-down commands over it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The zoom item index that one step from zoomIndex leads to, or -1 when the
// step does nothing: while an actual-size view is held (savedZoom > 0), below
// the first item, above the last, or for a step that is neither +1 nor -1.
int32_t StepZoomIndex(int32_t zoomIndex, int32_t step, int32_t itemCount, int32_t savedZoom);

// +1 for actZoom_Up, -1 for actZoom_Down, 0 for any other command.
int32_t ZoomStepOfCommand(const std::string& commandName);

// Names of the commands of the zoom submenu's items, indexed by menu position.
std::vector<std::string> ZoomLadderCommands();

// Position in the zoom submenu of the item paired with a zoom command: the item
// named "mni" and the command's name without its "act" ("actZoom_6" gives
// mniZoom_6); -1 when there is none.
int32_t ZoomItemIndexOfCommand(const std::string& commandName);

// The zoom submenu's Tag: the position of the item that is checked at start.
int32_t InitialZoomItemIndex();
