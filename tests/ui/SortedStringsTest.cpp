#include "ui/SortedStrings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "platform/system/System.h"

namespace {

std::vector<std::string> All(const ui::SortedStrings& strings) {
  std::vector<std::string> all;
  for (int i = 0; i < strings.Count(); ++i) all.push_back(strings.At(i));
  return all;
}

TEST(SortedStringsTest, InsertsAtTheCaseInsensitivePositionAndTellsIt) {
  ui::SortedStrings strings;
  EXPECT_EQ(strings.Insert("b.TXT"), 0);
  EXPECT_EQ(strings.Insert("a.doc"), 0);
  EXPECT_EQ(strings.Insert("Notes.rtf"), 2);
  EXPECT_EQ(strings.Insert("C.doc"), 2);
  EXPECT_EQ(All(strings), (std::vector<std::string>{"a.doc", "b.TXT", "C.doc", "Notes.rtf"}));
}

TEST(SortedStringsTest, KeepsEqualStringsInTheOrderTheyCame) {
  ui::SortedStrings strings;
  strings.Insert("x.doc");
  EXPECT_EQ(strings.Insert("a.doc"), 0);
  EXPECT_EQ(strings.Insert("A.DOC"), 1);
  EXPECT_EQ(strings.Insert("a.doc"), 2);
  EXPECT_EQ(All(strings), (std::vector<std::string>{"a.doc", "A.DOC", "a.doc", "x.doc"}));
  strings.Clear();
  EXPECT_EQ(strings.Count(), 0);
  EXPECT_EQ(strings.Insert("z"), 0);
}

// Enough strings, in random order, to fill and split many blocks.
TEST(SortedStringsTest, ManyInsertionsMatchASortAndEachPositionIsTheRank) {
  std::mt19937 random(7);
  ui::SortedStrings strings;
  std::vector<std::string> inserted;
  for (int i = 0; i < 4000; ++i) {
    std::string name = "f" + std::to_string(random() % 2500) + (i % 2 == 0 ? ".doc" : ".TXT");
    int position = strings.Insert(name);
    int before = static_cast<int>(
        std::count_if(inserted.begin(), inserted.end(), [&](const std::string& other) {
          return platform::System::CompareString(other, name, true) <= 0;
        }));
    ASSERT_EQ(position, before) << name;
    inserted.push_back(name);
  }
  std::stable_sort(inserted.begin(), inserted.end(), [](const auto& a, const auto& b) {
    return platform::System::CompareString(a, b, true) < 0;
  });
  EXPECT_EQ(All(strings), inserted);
}

// Erasing most strings empties whole blocks; what stays keeps its order, and the strings that
// come next take the erased ones' places.
TEST(SortedStringsTest, ErasedStringsLeaveTheRestInOrderAndEqualRangesFindTheirEquals) {
  std::mt19937 random(11);
  ui::SortedStrings strings;
  std::vector<std::string> kept;
  for (int i = 0; i < 3000; ++i) {
    kept.push_back("f" + std::to_string(random() % 1000) + (i % 2 == 0 ? ".pdf" : ".PDF"));
    strings.Insert(kept.back());
  }
  auto byOrder = [](const std::string& a, const std::string& b) {
    return platform::System::CompareString(a, b, true) < 0;
  };
  std::stable_sort(kept.begin(), kept.end(), byOrder);
  for (int round = 0; round < 2600; ++round) {
    const int index = static_cast<int>(random() % kept.size());
    strings.Erase(index);
    kept.erase(kept.begin() + index);
  }
  ASSERT_EQ(All(strings), kept);
  for (const std::string name : {"f1.pdf", "f500.PDF", "a", "zz"}) {
    const auto equal = std::equal_range(kept.begin(), kept.end(), name, byOrder);
    EXPECT_EQ(strings.EqualRange(name),
              std::make_pair(static_cast<int>(equal.first - kept.begin()),
                             static_cast<int>(equal.second - kept.begin())))
        << name;
  }
  for (int i = 0; i < 500; ++i) {
    std::string name = "g" + std::to_string(random() % 300) + ".pdf";
    const auto after = std::upper_bound(kept.begin(), kept.end(), name, byOrder);
    ASSERT_EQ(strings.Insert(name), static_cast<int>(after - kept.begin())) << name;
    kept.insert(after, name);
  }
  EXPECT_EQ(All(strings), kept);
}

TEST(SortedStringsTest, SelectionFlagsTravelWithTheirStrings) {
  ui::SortedStrings strings;
  strings.Insert("m");
  strings.SetSelected(0, true);
  strings.Insert("a");
  EXPECT_FALSE(strings.Selected(0));
  EXPECT_TRUE(strings.Selected(1));
  EXPECT_EQ(strings.At(1), "m");
}

TEST(SortedStringsTest, RangesAcrossBlocksAndOnlyRealFlipsCount) {
  ui::SortedStrings strings;
  for (int i = 0; i < 2000; ++i) strings.Insert("n" + std::to_string(10000 + i));
  uint64_t changes = strings.SelectionChanges();
  strings.SetRangeSelected(400, 1200, true);
  EXPECT_EQ(strings.SelectionChanges(), changes + 801);
  strings.SelectOnlyRange(1100, 1300);
  for (int i : {399, 400, 1099, 1301}) EXPECT_FALSE(strings.Selected(i)) << i;
  for (int i : {1100, 1200, 1201, 1300}) EXPECT_TRUE(strings.Selected(i)) << i;

  changes = strings.SelectionChanges();
  strings.SelectOnlyRange(1100, 1300);
  strings.SetSelected(1100, true);
  EXPECT_EQ(strings.SelectionChanges(), changes);
  strings.DeselectAll();
  EXPECT_GT(strings.SelectionChanges(), changes);
  EXPECT_FALSE(strings.Selected(1200));
}

}  // namespace
