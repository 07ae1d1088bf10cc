#pragma once
// The order form's selection: which list items are ticked, kept as one text. It starts
// as ";" and holds, for each ticked item in the order of ticking, its list index in
// decimal followed by ";": ticking 3, 12 and 0 gives ";3;12;0;". Only this text, not
// the check marks, decides what is ordered.
#include <string>
#include <string_view>
#include <vector>

namespace glyvane {

constexpr const char* kEmptySelection = ";";

// The selection after a tick or an untick of list item `item` (0 to 22): an item
// already there leaves it, keeping the order of the others; any other joins the end.
std::string ToggleSelection(std::string_view selection, int item);

// The list indices the selection holds, in its order (the order of ticking).
std::vector<int> SelectedItems(std::string_view selection);

}  // namespace glyvane
