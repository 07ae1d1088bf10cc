#include <windows.h>

#include "catalogue/form1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  return glyvane::catalogue::RunCatalogue(showCommand);
}
