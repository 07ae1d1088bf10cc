#pragma once
// Where an auto-size label lies once its text has a new size. A left-aligned label
// keeps its left edge and may run past its container, as labels do. A centred one
// grows and shrinks about its design centre, and is kept inside its container, so a
// long text is shifted rather than cut by the window's edge.
namespace glyvane {

// centreTimesTwo: twice the design centre (left + width / 2), so that odd widths
// keep their exact centre. Units are the caller's (pixels or twips).
inline int AutoSizedLeft(int left, int newWidth, bool centred, int centreTimesTwo, int containerWidth) {
  if (!centred) return left;
  int placed = (centreTimesTwo - newWidth) / 2;
  if (placed + newWidth > containerWidth) placed = containerWidth - newWidth;
  if (placed < 0) placed = 0;
  return placed;
}

}  // namespace glyvane
