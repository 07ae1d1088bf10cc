#include <windows.h>

#include "viewer/form1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) { return glyvane::RunGlyvane(showCommand); }
