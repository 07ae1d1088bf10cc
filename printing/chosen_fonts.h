#pragma once
// The print dialog's chosen-font set: the list indexes of the ticked fonts, in the
// order in which they were ticked; the chosen-fonts printout walks it in that order.
#include <vector>

namespace glyvane {

// A box of entry `item` changed: the set toggles it without looking at the box.
// Present, it goes (the others keep their order); absent, it goes to the end.
void ToggleChosenFont(std::vector<int>& chosen, int item);

}  // namespace glyvane
