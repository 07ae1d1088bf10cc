// A program that stands in for another one a test starts (catalogue.EXE, hh.exe):
// a plain window whose caption shows the whole command line it was started with,
// shown as it was asked to be, closed by WM_CLOSE.
#include <string>

#include "tools/plain_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  const std::string caption = std::string("Remplaçant [") + GetCommandLineA() + "]";
  return plain_window::Run(instance, "Glyvane.StandIn", caption.c_str(), showCommand);
}
