#pragma once
// The strings of a sorted list box with their selection flags, ordered as the platform's list
// control orders them: alphabetically in the user's locale, ignoring letter case; equal
// strings in the order they came. Each string is compared by its sort key, made once when it
// comes in. The order is kept in blocks of a few hundred positions, so
// that a folder of a hundred thousand files is read without moving the whole list on every
// insertion, and each insertion still tells the position it took.

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

class SortedStrings {
 public:
  // Inserts at the sorted position and returns that position; the string is unselected.
  int Insert(std::string text);
  void Clear();
  int Count() const { return static_cast<int>(items_.size()); }

  // Positions run from 0 to Count() - 1; others are the caller's error.
  const std::string& At(int index) const { return ItemAt(index).text; }
  bool Selected(int index) const { return ItemAt(index).selected; }
  void SetSelected(int index, bool selected);
  void SetRangeSelected(int first, int last, bool selected);  // both ends included
  // Selects first..last and nothing else.
  void SelectOnlyRange(int first, int last);
  void DeselectAll();
  // Grows whenever a selection flag flips, so that a caller can tell whether an action
  // changed the selection.
  uint64_t SelectionChanges() const { return selectionChanges_; }

 private:
  struct Item {
    std::string text;
    std::string key;  // the platform's sort key of the text
    bool selected = false;
  };
  using Block = std::vector<uint32_t>;  // positions into items_, in sorted order

  const Item& ItemAt(int index) const;
  Item& ItemAt(int index);
  size_t BlockFor(const std::string& key) const;
  void SplitBlock(size_t block);

  std::vector<Item> items_;    // in the order they came
  std::vector<Block> blocks_;  // the sorted order, cut into blocks
  std::vector<int> starts_;    // the position of each block's first string
  int selectedCount_ = 0;
  uint64_t selectionChanges_ = 0;
};

}  // namespace ui
