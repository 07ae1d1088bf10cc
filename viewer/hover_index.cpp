#include "viewer/hover_index.h"

#include "common/twips.h"

namespace glyvane {

int HoverIndex(double yTwips, const ListMetrics& list) {
  const long pixelRow = RoundHalfEven(yTwips / list.twipsPerPixelY);
  const long entryHeight = RoundHalfEven(list.entryHeightTwips / list.twipsPerPixelY);
  if (entryHeight <= 0) return -1;
  // Basic's integer division truncates towards zero, also above the list (y < 0).
  const long index = pixelRow / entryHeight + list.topIndex;
  if (index > list.count - 1) return -1;
  return static_cast<int>(index);
}

}  // namespace glyvane
