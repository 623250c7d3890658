#include "platform/win/color_dialog.h"

#include "platform/win/application.h"

bool ColorDialog::Execute(HWND owner) {
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof(cc);
  cc.hwndOwner = owner;
  cc.rgbResult = Color;
  cc.lpCustColors = customColors_.data();
  cc.Flags = Options | CC_RGBINIT;
  const ModalLoopScope modal;
  if (!ChooseColorW(&cc)) return false;  // cancelled, or the chooser could not open
  Color = cc.rgbResult;
  return true;
}
