#include "platform/hosts/DxfRewriter.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/hosts/DxfRecord.h"
#include "platform/hosts/MtextAsText.h"

namespace {

using platform::hosts::DxfRecord;
using platform::hosts::DxfRewriter;
using Groups = std::vector<std::pair<int, std::string>>;

std::string Dxf(const Groups& groups) {
  std::string text;
  for (const auto& [code, value] : groups) text += std::to_string(code) + "\r\n" + value + "\r\n";
  return text;
}

// A drawing with the given layer table and entities, and a stale header box.
std::string Drawing(const Groups& layers, const Groups& entities, const Groups& blocks = {}) {
  Groups all = {{0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"}, {1, "AC1015"},  {9, "$EXTMIN"},
                {10, "1e20"},   {20, "1e20"},  {30, "0"},       {9, "$EXTMAX"}, {10, "-1e20"},
                {20, "-1e20"},  {30, "0"},     {0, "ENDSEC"},   {0, "SECTION"}, {2, "TABLES"},
                {0, "TABLE"},   {2, "LAYER"}};
  all.insert(all.end(), layers.begin(), layers.end());
  all.insert(all.end(), {{0, "ENDTAB"}, {0, "ENDSEC"}, {0, "SECTION"}, {2, "BLOCKS"}});
  all.insert(all.end(), blocks.begin(), blocks.end());
  all.insert(all.end(), {{0, "ENDSEC"}, {0, "SECTION"}, {2, "ENTITIES"}});
  all.insert(all.end(), entities.begin(), entities.end());
  all.insert(all.end(), {{0, "ENDSEC"}, {0, "EOF"}});
  return Dxf(all);
}

std::vector<DxfRecord> Records(const std::string& text) {
  auto records = DxfRecord::Read(text);
  EXPECT_TRUE(records.has_value());
  return records.value_or(std::vector<DxfRecord>());
}

std::vector<DxfRecord> OfType(const std::string& text, std::string_view type) {
  std::vector<DxfRecord> found;
  for (const DxfRecord& record : Records(text)) {
    if (record.Type() == type) found.push_back(record);
  }
  return found;
}

// The header's value of group `code` after the variable `name`.
double HeaderValue(const std::string& text, const std::string& name, int code) {
  const auto& groups = Records(text).at(1).Groups();
  for (size_t i = 0; i < groups.size(); ++i) {
    if (groups[i].code != 9 || groups[i].value != name) continue;
    for (size_t k = i + 1; k < groups.size() && groups[k].code != 9; ++k) {
      if (groups[k].code == code) return std::stod(groups[k].value);
    }
  }
  ADD_FAILURE() << name << " has no group " << code;
  return 0;
}

TEST(MtextAsTextTest, FormattingCodesGoAndParagraphsBecomeLines) {
  EXPECT_EQ(platform::hosts::MtextLines(
                "{\\fArial|b1;\\C1;Room} 12\\PArea \\S3^4; m\\U+00B2\\P\\\\\\{x\\}\\~y^Jz"),
            (std::vector<std::string>{"Room 12", "Area 3/4 m\\U+00B2", "\\{x} y", "z"}))
      << "\\U+ codes stay for TEXT, which knows them too";
  EXPECT_EQ(platform::hosts::MtextLines("\\H2.5x;\\A1;\\LUnder\\l and \\Oover\\o"),
            (std::vector<std::string>{"Under and over"}));
}

TEST(MtextAsTextTest, LinesArePlacedByTheAttachmentPointAndTurnWithTheText) {
  // Attached at its top centre (2), 90 degrees turned: lines go to the right of one another.
  DxfRecord mtext({{0, "MTEXT"},
                   {8, "NOTES"},
                   {62, "3"},
                   {10, "100"},
                   {20, "50"},
                   {40, "3"},
                   {71, "2"},
                   {3, "first\\Psec"},
                   {1, "ond"},
                   {11, "0"},
                   {21, "1"}});
  std::vector<DxfRecord> lines = platform::hosts::MtextAsText(mtext);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].Type(), "TEXT");
  EXPECT_EQ(lines[0].Text(1), "first");
  EXPECT_EQ(lines[1].Text(1), "second");
  EXPECT_EQ(lines[0].Text(8), "NOTES");
  EXPECT_EQ(lines[0].Text(62), "3");
  EXPECT_EQ(lines[0].Text(72), "1") << "centred";
  EXPECT_DOUBLE_EQ(lines[0].Number(50), 90);
  EXPECT_NEAR(lines[0].Number(10), 103, 1e-9) << "one height below the top, turned";
  EXPECT_NEAR(lines[1].Number(10), 108, 1e-9) << "then 5/3 of the height further";
  EXPECT_NEAR(lines[1].Number(20), 50, 1e-9);
  EXPECT_EQ(lines[1].Number(11), lines[1].Number(10)) << "the alignment point of a centred TEXT";
  // Attached at the bottom left (7): the last line stands on the insertion point.
  DxfRecord bottom({{0, "MTEXT"}, {10, "0"}, {20, "0"}, {40, "2"}, {71, "7"}, {1, "a\\Pb"}});
  std::vector<DxfRecord> standing = platform::hosts::MtextAsText(bottom);
  ASSERT_EQ(standing.size(), 2u);
  EXPECT_NEAR(standing[1].Number(20), 0, 1e-9);
  EXPECT_NEAR(standing[0].Number(20), 2 * 5.0 / 3.0, 1e-9);
  EXPECT_TRUE(platform::hosts::MtextAsText(DxfRecord({{0, "MTEXT"}, {1, "{\\C1;}"}})).empty());
}

TEST(DxfRewriterTest, MtextInEntitiesAndBlocksBecomesText) {
  std::string out =
      DxfRewriter()
          .Rewrite(Drawing({}, {{0, "MTEXT"}, {10, "1"}, {20, "2"}, {1, "a\\Pb"}},
                           {{0, "BLOCK"}, {2, "TAG"}, {0, "MTEXT"}, {1, "c"}, {0, "ENDBLK"}}))
          .text;
  EXPECT_TRUE(OfType(out, "MTEXT").empty());
  EXPECT_EQ(OfType(out, "TEXT").size(), 3u);
}

TEST(DxfRewriterTest, TheHeaderBoxIsTheOneTheEntitiesCover) {
  // A line, a circle, and a block placed twice as large and turned a quarter count.
  Groups entities = {{0, "LINE"},  {10, "0"}, {20, "0"}, {11, "10"},    {21, "5"},    {0, "CIRCLE"},
                     {10, "20"},   {20, "0"}, {40, "2"}, {0, "INSERT"}, {2, "box"},   {10, "0"},
                     {20, "-10"},  {41, "2"}, {42, "2"}, {50, "90"},    {0, "XLINE"}, {10, "1000"},
                     {20, "1000"}, {11, "1"}, {21, "0"}};
  // Paper space is not drawn.
  entities.insert(entities.end(),
                  {{0, "LINE"}, {67, "1"}, {10, "500"}, {20, "500"}, {11, "600"}, {21, "600"}});
  Groups blocks = {{0, "BLOCK"}, {2, "BOX"}, {10, "0"}, {20, "0"}, {0, "LINE"},
                   {10, "0"},    {20, "0"},  {11, "3"}, {21, "1"}, {0, "ENDBLK"}};
  std::string out = DxfRewriter().Rewrite(Drawing({}, entities, blocks)).text;
  // With a hundredth of the size (24) around it, so that LibreOffice does not clip the edges.
  EXPECT_NEAR(HeaderValue(out, "$EXTMIN", 10), -2.24, 1e-9) << "the block, turned, reaches -2";
  EXPECT_NEAR(HeaderValue(out, "$EXTMIN", 20), -10.24, 1e-9);
  EXPECT_NEAR(HeaderValue(out, "$EXTMAX", 10), 22.24, 1e-9);
  EXPECT_NEAR(HeaderValue(out, "$EXTMAX", 20), 5.24, 1e-9);
  EXPECT_EQ(HeaderValue(out, "$EXTMAX", 30), 0) << "nor does the paper-space line count";
  // The construction line lies outside the box: it is left out, not drawn to infinity.
  EXPECT_TRUE(OfType(out, "XLINE").empty());
  EXPECT_EQ(OfType(out, "LINE").size(), 3u);
  // A header without the variables gets them; a file without a header gets one.
  std::string bare = Dxf({{0, "SECTION"},
                          {2, "ENTITIES"},
                          {0, "POINT"},
                          {10, "4"},
                          {20, "5"},
                          {0, "ENDSEC"},
                          {0, "EOF"}});
  std::string headed = DxfRewriter().Rewrite(bare).text;
  EXPECT_EQ(HeaderValue(headed, "$EXTMIN", 10), 3.5) << "a point grows to a unit square";
  EXPECT_EQ(HeaderValue(headed, "$EXTMAX", 20), 5.5);
}

TEST(DxfRewriterTest, EndlessLinesAreCutAtTheDrawingsBox) {
  Groups entities = {{0, "LINE"}, {10, "0"},  {20, "0"},  {11, "100"}, {21, "100"}, {0, "XLINE"},
                     {8, "AUX"},  {10, "50"}, {20, "50"}, {11, "1"},   {21, "0"},   {0, "RAY"},
                     {10, "50"},  {20, "50"}, {11, "0"},  {21, "-1"}};
  std::vector<DxfRecord> lines = OfType(DxfRewriter().Rewrite(Drawing({}, entities)).text, "LINE");
  ASSERT_EQ(lines.size(), 3u);
  // The box grows by a hundredth on each side, so that lines along its edges still show.
  EXPECT_EQ(lines[1].Text(8), "AUX");
  EXPECT_NEAR(lines[1].Number(10), -1, 1e-9);
  EXPECT_NEAR(lines[1].Number(11), 101, 1e-9);
  EXPECT_NEAR(lines[1].Number(21), 50, 1e-9);
  EXPECT_NEAR(lines[2].Number(20), 50, 1e-9) << "a ray starts at its point";
  EXPECT_NEAR(lines[2].Number(21), -1, 1e-9);
}

TEST(DxfRewriterTest, LayersAreSwitchedOnUnlessTheDrawingHasThemOffAndFrozenOnesAreOff) {
  Groups layers = {{0, "LAYER"}, {2, "Walls"},  {70, "0"}, {62, "-5"},
                   {0, "LAYER"}, {2, "Hidden"}, {70, "0"}, {62, "-1"},
                   {0, "LAYER"}, {2, "Ice"},    {70, "1"}, {62, "2"}};
  Groups entities = {{0, "LINE"},  {8, "WALLS"},  {10, "0"}, {20, "0"}, {11, "1"}, {21, "1"},
                     {0, "LINE"},  {8, "Hidden"}, {10, "0"}, {20, "0"}, {11, "1"}, {21, "1"},
                     {0, "LINE"},  {8, "Ice"},    {10, "0"}, {20, "0"}, {11, "1"}, {21, "1"},
                     {0, "POINT"}, {10, "0"},     {20, "0"}};
  auto repaired = DxfRewriter(std::set<std::string>{"HIDDEN"}).Rewrite(Drawing(layers, entities));
  std::vector<DxfRecord> table = OfType(repaired.text, "LAYER");
  ASSERT_EQ(table.size(), 3u);
  EXPECT_EQ(table[0].Number(62), 5);
  EXPECT_EQ(table[1].Number(62), -1);
  EXPECT_EQ(table[2].Number(62), -2) << "frozen, which LibreOffice would draw";
  EXPECT_EQ(repaired.visibleEntities, 2u) << "on WALLS and on layer 0; not the off or frozen";
  // A DXF's own marks are trusted.
  auto asIs = DxfRewriter().Rewrite(Drawing(layers, entities));
  EXPECT_EQ(OfType(asIs.text, "LAYER")[0].Number(62), -5);
  EXPECT_EQ(OfType(asIs.text, "LAYER")[2].Number(62), -2);
  EXPECT_EQ(asIs.visibleEntities, 1u);
}

TEST(DxfRewriterTest, WhatIsNoAsciiDxfIsLeftAsItIs) {
  for (std::string text :
       {std::string("AutoCAD Binary DXF\r\n\x1A\0", 22), std::string("SECTION\n0\n")}) {
    auto result = DxfRewriter().Rewrite(text);
    EXPECT_EQ(result.text, text);
    EXPECT_EQ(result.visibleEntities, 0u);
  }
}

}  // namespace
