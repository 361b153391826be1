#include "ui/SortedStrings.h"

#include <algorithm>

#include "platform/system/System.h"

namespace ui {

namespace {

// Long enough that the blocks stay few, short enough that shifting one block is cheap.
constexpr size_t kMaxBlock = 512;

}  // namespace

std::string SortedStrings::KeyOf(const std::string& text) {
  return platform::System::SortKey(text);
}

int SortedStrings::Insert(std::string text) {
  std::string key = KeyOf(text);
  if (blocks_.empty()) {
    blocks_.emplace_back();
    starts_.push_back(0);
  }
  const Place place = UpperPlace(key);
  auto id = static_cast<uint32_t>(items_.size());
  if (free_.empty()) {
    items_.push_back(Item{std::move(text), std::move(key)});
  } else {
    id = free_.back();
    free_.pop_back();
    items_[id] = Item{std::move(text), std::move(key)};
  }
  Block& order = blocks_[place.block];
  order.insert(order.begin() + static_cast<std::ptrdiff_t>(place.offset), id);
  for (size_t later = place.block + 1; later < starts_.size(); ++later) ++starts_[later];
  if (order.size() > kMaxBlock) SplitBlock(place.block);
  return PositionOf(place);
}

// The erased string's place in items_ goes to the next string that comes; a block that
// empties goes, unless it is the only one.
void SortedStrings::Erase(int index) {
  const Place place = PlaceOf(index);
  Block& order = blocks_[place.block];
  const uint32_t id = order[place.offset];
  if (items_[id].selected) {
    --selectedCount_;
    ++selectionChanges_;
  }
  items_[id] = Item{};
  free_.push_back(id);
  order.erase(order.begin() + static_cast<std::ptrdiff_t>(place.offset));
  for (size_t later = place.block + 1; later < starts_.size(); ++later) --starts_[later];
  if (order.empty() && blocks_.size() > 1) {
    blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(place.block));
    starts_.erase(starts_.begin() + static_cast<std::ptrdiff_t>(place.block));
  }
}

std::pair<int, int> SortedStrings::EqualRange(const std::string& text) const {
  if (blocks_.empty()) return {0, 0};
  const std::string key = KeyOf(text);
  return {PositionOf(LowerPlace(key)), PositionOf(UpperPlace(key))};
}

// In the first block whose last string does not sort before the key, else the last block.
SortedStrings::Place SortedStrings::LowerPlace(const std::string& key) const {
  auto found = std::lower_bound(
      blocks_.begin(), blocks_.end() - 1, key,
      [this](const Block& b, const std::string& k) { return items_[b.back()].key < k; });
  auto at =
      std::lower_bound(found->begin(), found->end(), key,
                       [this](uint32_t i, const std::string& k) { return items_[i].key < k; });
  return Place{static_cast<size_t>(found - blocks_.begin()),
               static_cast<size_t>(at - found->begin())};
}

// In the first block whose last string sorts after the key, else the last block: equal
// strings go behind the ones already there.
SortedStrings::Place SortedStrings::UpperPlace(const std::string& key) const {
  auto found = std::upper_bound(
      blocks_.begin(), blocks_.end() - 1, key,
      [this](const std::string& k, const Block& b) { return k < items_[b.back()].key; });
  auto at =
      std::upper_bound(found->begin(), found->end(), key,
                       [this](const std::string& k, uint32_t i) { return k < items_[i].key; });
  return Place{static_cast<size_t>(found - blocks_.begin()),
               static_cast<size_t>(at - found->begin())};
}

int SortedStrings::PositionOf(Place place) const {
  return starts_[place.block] + static_cast<int>(place.offset);
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
  free_.clear();
  blocks_.clear();
  starts_.clear();
  selectedCount_ = 0;
}

SortedStrings::Place SortedStrings::PlaceOf(int index) const {
  auto block = static_cast<size_t>(std::upper_bound(starts_.begin(), starts_.end(), index) -
                                   starts_.begin() - 1);
  return Place{block, static_cast<size_t>(index - starts_[block])};
}

const SortedStrings::Item& SortedStrings::ItemAt(int index) const {
  const Place place = PlaceOf(index);
  return items_[blocks_[place.block][place.offset]];
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
