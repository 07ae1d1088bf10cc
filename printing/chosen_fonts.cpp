#include "printing/chosen_fonts.h"

#include <algorithm>

namespace glyvane {

void ToggleChosenFont(std::vector<int>& chosen, int item) {
  const auto found = std::find(chosen.begin(), chosen.end(), item);
  if (found != chosen.end()) {
    chosen.erase(found);
  } else {
    chosen.push_back(item);
  }
}

}  // namespace glyvane
