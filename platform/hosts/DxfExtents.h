#pragma once
// The box the entities of a drawing cover, worked out from their own coordinates: the header's
// $EXTMIN/$EXTMAX are often stale or missing, and LibreOffice scales the drawing to them.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/hosts/DxfRecord.h"

namespace platform::hosts {

struct DxfBox {
  double minX, minY, maxX, maxY;
  void Add(double x, double y);
  void Add(const DxfBox& box);
};

class DxfExtents {
 public:
  // `records` is the whole file; the blocks' boxes are taken from its BLOCKS section.
  explicit DxfExtents(const std::vector<DxfRecord>& records);

  // The box of the model-space entities in records[first, last); nothing when none has a
  // position. Construction lines (XLINE, RAY) have no end and are left out.
  std::optional<DxfBox> Of(size_t first, size_t last) const;

 private:
  std::optional<DxfBox> OfEntity(const DxfRecord& entity, int depth) const;
  std::optional<DxfBox> OfRange(size_t first, size_t last, int depth) const;
  std::optional<DxfBox> OfInsert(const DxfRecord& insert, int depth) const;

  struct Block {
    size_t first, last;  // its entities
    double baseX, baseY;
  };
  const std::vector<DxfRecord>& records_;
  std::map<std::string, Block> blocks_;  // by upper-cased name
};

}  // namespace platform::hosts
