#pragma once
// The strings of a sorted list box with their selection flags, ordered as the platform's list
// control orders them: alphabetically in the user's locale, ignoring letter case; equal
// strings in the order they came. Each string is compared by its sort key, made once when it
// comes in. The order is kept in blocks of a few hundred positions, so
// that a folder of a hundred thousand files is read without moving the whole list on every
// insertion, and each insertion still tells the position it took.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ui {

class SortedStrings {
 public:
  // Inserts at the sorted position and returns that position; the string is unselected.
  int Insert(std::string text);
  void Erase(int index);
  void Clear();
  int Count() const { return static_cast<int>(items_.size() - free_.size()); }

  // Positions run from 0 to Count() - 1; others are the caller's error.
  const std::string& At(int index) const { return ItemAt(index).text; }
  // The positions first..last-1 of the strings that sort equal to `text`; where it would go
  // when there are none.
  std::pair<int, int> EqualRange(const std::string& text) const;
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

  struct Place {
    size_t block;
    size_t offset;
  };

  static std::string KeyOf(const std::string& text);
  Place PlaceOf(int index) const;
  const Item& ItemAt(int index) const;
  Item& ItemAt(int index);
  Place LowerPlace(const std::string& key) const;
  Place UpperPlace(const std::string& key) const;
  int PositionOf(Place place) const;
  void SplitBlock(size_t block);

  std::vector<Item> items_;     // in the order they came
  std::vector<uint32_t> free_;  // positions in items_ of erased strings, for the next ones
  std::vector<Block> blocks_;   // the sorted order, cut into blocks
  std::vector<int> starts_;     // the position of each block's first string
  int selectedCount_ = 0;
  uint64_t selectionChanges_ = 0;
};

}  // namespace ui
