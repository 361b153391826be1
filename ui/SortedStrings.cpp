#include "ui/SortedStrings.h"

#include <algorithm>

#include "platform/system/System.h"

namespace ui {

namespace {

// Long enough that the blocks stay few, short enough that shifting one block is cheap.
constexpr size_t kMaxBlock = 512;

}  // namespace

int SortedStrings::Insert(std::string text) {
  auto id = static_cast<uint32_t>(items_.size());
  std::string key = platform::System::SortKey(text);
  if (blocks_.empty()) {
    blocks_.emplace_back();
    starts_.push_back(0);
  }
  size_t block = BlockFor(key);
  Block& order = blocks_[block];
  auto at =
      std::upper_bound(order.begin(), order.end(), key,
                       [this](const std::string& k, uint32_t i) { return k < items_[i].key; });
  int position = starts_[block] + static_cast<int>(at - order.begin());
  items_.push_back(Item{std::move(text), std::move(key)});
  order.insert(at, id);
  for (size_t later = block + 1; later < starts_.size(); ++later) ++starts_[later];
  if (order.size() > kMaxBlock) SplitBlock(block);
  return position;
}

// The first block whose last string sorts after the key, else the last block: equal strings
// go behind the ones already there.
size_t SortedStrings::BlockFor(const std::string& key) const {
  auto found = std::upper_bound(
      blocks_.begin(), blocks_.end() - 1, key,
      [this](const std::string& k, const Block& b) { return k < items_[b.back()].key; });
  return static_cast<size_t>(found - blocks_.begin());
}

void SortedStrings::SplitBlock(size_t block) {
  Block& full = blocks_[block];
  Block upper(full.begin() + static_cast<std::ptrdiff_t>(full.size() / 2), full.end());
  full.resize(full.size() / 2);
  int upperStart = starts_[block] + static_cast<int>(full.size());
  blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(upper));
  starts_.insert(starts_.begin() + static_cast<std::ptrdiff_t>(block) + 1, upperStart);
}

void SortedStrings::Clear() {
  items_.clear();
  blocks_.clear();
  starts_.clear();
  selectedCount_ = 0;
}

const SortedStrings::Item& SortedStrings::ItemAt(int index) const {
  auto block = static_cast<size_t>(std::upper_bound(starts_.begin(), starts_.end(), index) -
                                   starts_.begin() - 1);
  return items_[blocks_[block][static_cast<size_t>(index - starts_[block])]];
}

SortedStrings::Item& SortedStrings::ItemAt(int index) {
  return const_cast<Item&>(static_cast<const SortedStrings&>(*this).ItemAt(index));
}

void SortedStrings::SetSelected(int index, bool selected) {
  Item& item = ItemAt(index);
  if (item.selected == selected) return;
  item.selected = selected;
  selectedCount_ += selected ? 1 : -1;
  ++selectionChanges_;
}

void SortedStrings::SetRangeSelected(int first, int last, bool selected) {
  for (int index = first; index <= last; ++index) SetSelected(index, selected);
}

void SortedStrings::SelectOnlyRange(int first, int last) {
  SetRangeSelected(first, last, true);
  if (selectedCount_ == last - first + 1) return;
  int position = 0;
  for (const Block& block : blocks_) {
    for (uint32_t id : block) {
      Item& item = items_[id];
      if (item.selected && (position < first || position > last)) {
        item.selected = false;
        --selectedCount_;
        ++selectionChanges_;
      }
      ++position;
    }
  }
}

void SortedStrings::DeselectAll() {
  if (selectedCount_ == 0) return;
  for (Item& item : items_) item.selected = false;
  selectedCount_ = 0;
  ++selectionChanges_;
}

}  // namespace ui
