#include "platform/hosts/DxfExtents.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/AsciiCase.h"

namespace platform::hosts {
namespace {

// Blocks inside blocks are followed this deep; deeper (or circular) ones are left out.
constexpr int kMaxNesting = 16;
// A character of TEXT is taken as this share of the text height wide.
constexpr double kCharacterWidth = 0.6;

// Construction lines have no end; LibreOffice draws model space only, so neither paper-space
// entities (group 67 is 1) nor the viewports onto model space count.
bool IsLeftOut(const DxfRecord& entity) {
  std::string_view type = entity.Type();
  return type == "XLINE" || type == "RAY" || type == "VIEWPORT" || entity.Number(67) != 0;
}

std::optional<DxfBox> OfCircle(const DxfRecord& circle) {
  double x = circle.Number(10), y = circle.Number(20), r = std::abs(circle.Number(40));
  return DxfBox{x - r, y - r, x + r, y + r};
}

std::optional<DxfBox> OfEllipse(const DxfRecord& ellipse) {
  double x = ellipse.Number(10), y = ellipse.Number(20);
  double r = std::hypot(ellipse.Number(11), ellipse.Number(21));
  return DxfBox{x - r, y - r, x + r, y + r};
}

std::optional<DxfBox> OfText(const DxfRecord& text) {
  double x = text.Number(10), y = text.Number(20), height = text.Number(40, 1);
  double width = height * kCharacterWidth * static_cast<double>(text.Text(1).value_or("").size()) *
                 text.Number(41, 1);
  double radians = text.Number(50) * std::numbers::pi / 180;
  double c = std::cos(radians), s = std::sin(radians);
  DxfBox box{x, y, x, y};
  box.Add(x + width * c, y + width * s);
  box.Add(x - height * s, y + height * c);
  box.Add(x + width * c - height * s, y + width * s + height * c);
  return box;
}

// Every point the entity names: the pairs of groups 10/20 to 18/28.
std::optional<DxfBox> OfPoints(const DxfRecord& entity) {
  std::optional<DxfBox> box;
  const std::vector<DxfGroup>& groups = entity.Groups();
  for (size_t i = 0; i + 1 < groups.size(); ++i) {
    if (groups[i].code < 10 || groups[i].code > 18 || groups[i + 1].code != groups[i].code + 10) {
      continue;
    }
    DxfRecord pair({groups[i], groups[i + 1]});
    double x = pair.Number(groups[i].code), y = pair.Number(groups[i].code + 10);
    if (box) {
      box->Add(x, y);
    } else {
      box = DxfBox{x, y, x, y};
    }
  }
  return box;
}

}  // namespace

void DxfBox::Add(double x, double y) {
  minX = std::min(minX, x);
  minY = std::min(minY, y);
  maxX = std::max(maxX, x);
  maxY = std::max(maxY, y);
}

void DxfBox::Add(const DxfBox& box) {
  Add(box.minX, box.minY);
  Add(box.maxX, box.maxY);
}

DxfExtents::DxfExtents(const std::vector<DxfRecord>& records) : records_(records) {
  std::optional<std::string> open;
  for (size_t i = 0; i < records.size(); ++i) {
    if (records[i].Type() == "BLOCK") {
      open = AsciiUpper(records[i].Text(2).value_or(""));
      blocks_[*open] = {i + 1, i + 1, records[i].Number(10), records[i].Number(20)};
    } else if (records[i].Type() == "ENDBLK" && open) {
      blocks_[*open].last = i;
      open.reset();
    }
  }
}

std::optional<DxfBox> DxfExtents::Of(size_t first, size_t last) const {
  return OfRange(first, last, 0);
}

std::optional<DxfBox> DxfExtents::OfRange(size_t first, size_t last, int depth) const {
  std::optional<DxfBox> box;
  for (size_t i = first; i < last && i < records_.size(); ++i) {
    std::optional<DxfBox> entity = OfEntity(records_[i], depth);
    if (!entity) continue;
    if (box) {
      box->Add(*entity);
    } else {
      box = entity;
    }
  }
  return box;
}

std::optional<DxfBox> DxfExtents::OfEntity(const DxfRecord& entity, int depth) const {
  if (IsLeftOut(entity)) return std::nullopt;
  std::string_view type = entity.Type();
  if (type == "CIRCLE" || type == "ARC") return OfCircle(entity);
  if (type == "ELLIPSE") return OfEllipse(entity);
  if (type == "TEXT" || type == "ATTRIB" || type == "ATTDEF") return OfText(entity);
  if (type == "INSERT") return OfInsert(entity, depth);
  return OfPoints(entity);
}

// The block's box, scaled, turned and moved as the insert places it.
std::optional<DxfBox> DxfExtents::OfInsert(const DxfRecord& insert, int depth) const {
  auto block = blocks_.find(AsciiUpper(insert.Text(2).value_or("")));
  if (block == blocks_.end() || depth >= kMaxNesting) return std::nullopt;
  std::optional<DxfBox> inner = OfRange(block->second.first, block->second.last, depth + 1);
  if (!inner) return std::nullopt;
  double sx = insert.Number(41, 1), sy = insert.Number(42, 1);
  double radians = insert.Number(50) * std::numbers::pi / 180;
  double c = std::cos(radians), s = std::sin(radians);
  double x = insert.Number(10), y = insert.Number(20);
  std::optional<DxfBox> box;
  for (double cornerX : {inner->minX, inner->maxX}) {
    for (double cornerY : {inner->minY, inner->maxY}) {
      double u = (cornerX - block->second.baseX) * sx, v = (cornerY - block->second.baseY) * sy;
      double px = x + u * c - v * s, py = y + u * s + v * c;
      if (box) {
        box->Add(px, py);
      } else {
        box = DxfBox{px, py, px, py};
      }
    }
  }
  return box;
}

}  // namespace platform::hosts
