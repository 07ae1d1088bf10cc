// The smallest honest Win32 window program, the yardstick of the start-up benchmark:
// a window of Glyvane's size, painted once, closed by WM_CLOSE.
#include "tools/plain_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  return plain_window::Run(instance, "MinimalWindow", "Minimal", showCommand);
}
