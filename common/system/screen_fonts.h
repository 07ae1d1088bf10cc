#pragma once
// The screen's font collection: the face names of every font the display can use,
// in the system's order, each once.
#include <string>
#include <vector>

namespace glyvane {

std::vector<std::string> ScreenFontNames();

}  // namespace glyvane
