#pragma once
// Which entry of a list box lies under the pointer, from the pointer's height in
// twips, the height of one entry and the first visible entry.
namespace glyvane {

struct ListMetrics {
  double twipsPerPixelY = 15.0;
  double entryHeightTwips = 0.0;  // height of "A" in the list's font
  int topIndex = 0;               // first visible entry
  int count = 0;                  // number of entries
};

// The entry index under y (twips inside the list), or -1 below the last entry.
int HoverIndex(double yTwips, const ListMetrics& list);

}  // namespace glyvane
