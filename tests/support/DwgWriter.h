#pragma once
// Writes small AutoCAD 2000 (AC1015) drawings for tests: layers, lines, circles, text and
// blocks of lines inserted into the model space, with their handles, object map and
// checksums, as a DWG reader reads them.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

class DwgWriter {
 public:
  using Segment = std::array<double, 4>;  // x1, y1, x2, y2
  enum class Shown { kOn, kOff, kFrozen };

  DwgWriter();
  // A layer besides "0"; one that is off or frozen holds entities that are not shown.
  void Layer(const std::string& name, int color, Shown shown = Shown::kOn);
  void Line(const std::string& layer, const Segment& segment);
  void Circle(const std::string& layer, double x, double y, double radius);
  void Text(const std::string& layer, double x, double y, double height, const std::string& text);
  // A block of lines around its base point (0, 0), and its insertion at (x, y).
  void Block(const std::string& name, const std::vector<Segment>& lines);
  void Insert(const std::string& layer, const std::string& block, double x, double y,
              double scale = 1.0);

  std::string Bytes() const;

 private:
  struct LayerEntry {
    std::string name;
    int color = 7;
    Shown shown = Shown::kOn;
  };
  struct Entity {
    enum Kind { kLine, kCircle, kText, kInsert } kind = kLine;
    std::string layer;
    std::array<double, 4> numbers{};  // a segment; x, y and radius; x, y, height; x, y, scale
    std::string text;                 // the text, or the inserted block's name
  };
  struct BlockEntry {
    std::string name;
    std::vector<Segment> lines;
  };

  std::array<double, 4> Extents() const;

  std::vector<LayerEntry> layers_;
  std::vector<BlockEntry> blocks_;
  std::vector<Entity> entities_;
};

}  // namespace testsupport
