// Stacking the labels of a drawing: a label placed near earlier labels of its
// group moves on to the next ring or row. The dial, the enlarged chart and
// the outside view count their labels this way, each with its own spacing.
#pragma once

#include <vector>

namespace sternwerk {

class LabelStack {
 public:
  // Labels at integer positions 0..last (degrees, pixel columns), counted in
  // cells of `cellWidth` positions; a label counts in the cells of the
  // positions `reach` before and after it, a cell's width apart.
  LabelStack(int last, int cellWidth, int reach);

  // The number of labels placed so far that count at `position`.
  int LabelsAt(int position) const;
  // Counts a label at `position`. Positions beyond 0 and `last` are not
  // counted: the ends do not wrap around, 359 and 1 do not see each other.
  void Place(int position);

 private:
  // The cell of a position, the positions outside 0..last taken as the ends.
  std::size_t Cell(int position) const;

  int last_;
  int cellWidth_;
  int reach_;
  std::vector<int> counts_;
};

}  // namespace sternwerk
