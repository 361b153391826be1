#include "platform/hosts/DxfRewriter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/AsciiCase.h"
#include "platform/hosts/DxfExtents.h"
#include "platform/hosts/DxfRecord.h"
#include "platform/hosts/MtextAsText.h"

namespace platform::hosts {
namespace {

struct Range {
  size_t first = 0, last = 0;  // the records between SECTION and ENDSEC
};

struct Sections {
  std::optional<size_t> header;  // the SECTION record that holds the header variables
  std::optional<Range> tables, blocks, entities;
};

Sections FindSections(const std::vector<DxfRecord>& records) {
  Sections sections;
  for (size_t i = 0; i < records.size(); ++i) {
    if (records[i].Type() != "SECTION") continue;
    std::string name = AsciiUpper(records[i].Text(2).value_or(""));
    size_t end = i + 1;
    while (end < records.size() && records[end].Type() != "ENDSEC") ++end;
    if (name == "HEADER") sections.header = i;
    if (name == "TABLES") sections.tables = Range{i + 1, end};
    if (name == "BLOCKS") sections.blocks = Range{i + 1, end};
    if (name == "ENTITIES") sections.entities = Range{i + 1, end};
    i = end;
  }
  return sections;
}

bool Within(const std::optional<Range>& range, size_t index) {
  return range && index >= range->first && index < range->last;
}

std::vector<DxfRecord> WithMtextAsText(const std::vector<DxfRecord>& records) {
  Sections sections = FindSections(records);
  std::vector<DxfRecord> result;
  for (size_t i = 0; i < records.size(); ++i) {
    bool drawn = Within(sections.blocks, i) || Within(sections.entities, i);
    if (drawn && records[i].Type() == "MTEXT") {
      std::vector<DxfRecord> lines = MtextAsText(records[i]);
      result.insert(result.end(), lines.begin(), lines.end());
    } else {
      result.push_back(records[i]);
    }
  }
  return result;
}

// The part of the line through (x, y) in direction (dx, dy) that lies in the box, from the
// point on for a ray; nothing when it misses the box.
std::optional<DxfRecord> Clipped(const DxfRecord& endless, const DxfBox& box) {
  double x = endless.Number(10), y = endless.Number(20);
  double dx = endless.Number(11), dy = endless.Number(21);
  if (dx == 0 && dy == 0) return std::nullopt;
  double low = endless.Type() == "RAY" ? 0 : -std::numeric_limits<double>::infinity();
  double high = std::numeric_limits<double>::infinity();
  for (auto [start, step, min, max] :
       {std::array{x, dx, box.minX, box.maxX}, std::array{y, dy, box.minY, box.maxY}}) {
    if (step == 0) {
      if (start < min || start > max) return std::nullopt;
      continue;
    }
    double a = (min - start) / step, b = (max - start) / step;
    low = std::max(low, std::min(a, b));
    high = std::min(high, std::max(a, b));
  }
  if (low > high) return std::nullopt;
  DxfRecord line({{0, "LINE"}});
  for (const DxfGroup& group : endless.Groups()) {
    if (group.code == 8 || group.code == 6 || group.code == 62 || group.code == 370 ||
        group.code == 420 || group.code == 67) {
      line.Groups().push_back(group);
    }
  }
  line.Groups().insert(line.Groups().end(), {{10, DxfRecord::Format(x + low * dx)},
                                             {20, DxfRecord::Format(y + low * dy)},
                                             {11, DxfRecord::Format(x + high * dx)},
                                             {21, DxfRecord::Format(y + high * dy)}});
  return line;
}

// The box with a hundredth of its size around it: LibreOffice clips what lies on the edge of
// the header's box, and a box of no size must still be one that a line can cross.
DxfBox WithMargin(DxfBox box) {
  double size = std::max(box.maxX - box.minX, box.maxY - box.minY);
  double margin = size > 0 ? size * 0.01 : 0.5;
  return {box.minX - margin, box.minY - margin, box.maxX + margin, box.maxY + margin};
}

std::vector<DxfRecord> WithEndlessClipped(const std::vector<DxfRecord>& records,
                                          const std::optional<DxfBox>& extents) {
  Sections sections = FindSections(records);
  std::vector<DxfRecord> result;
  for (size_t i = 0; i < records.size(); ++i) {
    std::string_view type = records[i].Type();
    bool drawn = Within(sections.blocks, i) || Within(sections.entities, i);
    if (!drawn || (type != "XLINE" && type != "RAY")) {
      result.push_back(records[i]);
      continue;
    }
    DxfBox box = extents ? *extents
                         : DxfBox{records[i].Number(10), records[i].Number(20),
                                  records[i].Number(10), records[i].Number(20)};
    if (auto line = Clipped(records[i], WithMargin(box))) result.push_back(*line);
  }
  return result;
}

// Sets the point variable `name` (group 9) of the header's groups to (x, y).
void SetHeaderPoint(std::vector<DxfGroup>& header, const std::string& name, double x, double y) {
  auto variable = std::find_if(header.begin(), header.end(), [&](const DxfGroup& group) {
    return group.code == 9 && group.value == name;
  });
  if (variable == header.end()) {
    header.insert(header.end(), {{9, name}, {10, ""}, {20, ""}, {30, "0"}});
    variable = header.end() - 4;
  }
  auto end =
      std::find_if(variable + 1, header.end(), [](const DxfGroup& g) { return g.code == 9; });
  auto values = DxfRecord(std::vector<DxfGroup>(variable + 1, end));
  values.Set(10, DxfRecord::Format(x));
  values.Set(20, DxfRecord::Format(y));
  values.Set(30, std::string(values.Text(30).value_or("0")));
  end = header.erase(variable + 1, end);
  header.insert(end, values.Groups().begin(), values.Groups().end());
}

void SetExtents(std::vector<DxfRecord>& records, const DxfBox& box) {
  Sections sections = FindSections(records);
  if (!sections.header) {
    records.insert(records.begin() + 1,
                   {DxfRecord({{0, "SECTION"}, {2, "HEADER"}}), DxfRecord({{0, "ENDSEC"}})});
    sections.header = 1;
  }
  std::vector<DxfGroup>& header = records[*sections.header].Groups();
  SetHeaderPoint(header, "$EXTMIN", box.minX, box.minY);
  SetHeaderPoint(header, "$EXTMAX", box.maxX, box.maxY);
}

// The layers that are off (a negative colour) or frozen (flag 1), by upper-cased name.
std::set<std::string> HiddenLayers(const std::vector<DxfRecord>& records, const Range& tables) {
  std::set<std::string> hidden;
  for (size_t i = tables.first; i < tables.last; ++i) {
    const DxfRecord& layer = records[i];
    if (layer.Type() != "LAYER") continue;
    if (layer.Number(62, 7) < 0 || (static_cast<int>(layer.Number(70)) & 1) != 0) {
      hidden.insert(AsciiUpper(layer.Text(2).value_or("")));
    }
  }
  return hidden;
}

size_t VisibleEntities(const std::vector<DxfRecord>& records) {
  Sections sections = FindSections(records);
  if (!sections.entities) return 0;
  std::set<std::string> hidden =
      sections.tables ? HiddenLayers(records, *sections.tables) : std::set<std::string>();
  size_t count = 0;
  for (size_t i = sections.entities->first; i < sections.entities->last; ++i) {
    std::string_view type = records[i].Type();
    if (type == "SEQEND" || type == "VERTEX" || type == "ATTRIB" || type == "VIEWPORT" ||
        records[i].Number(67) != 0) {
      continue;
    }
    if (!hidden.contains(AsciiUpper(records[i].Text(8).value_or("0")))) ++count;
  }
  return count;
}

// LibreOffice leaves out the layers with a negative colour, and draws frozen ones: those get
// a negative colour too. The DWG reader's marks are replaced by the drawing's own.
void MarkHiddenLayers(std::vector<DxfRecord>& records, const Range& tables,
                      const std::optional<std::set<std::string>>& offLayers) {
  for (size_t i = tables.first; i < tables.last; ++i) {
    DxfRecord& layer = records[i];
    bool frozen = (static_cast<int>(layer.Number(70)) & 1) != 0;
    if (layer.Type() != "LAYER" || (!layer.Text(62) && !frozen)) continue;
    double colour = std::abs(layer.Number(62, 7));
    bool off = offLayers ? offLayers->contains(AsciiUpper(layer.Text(2).value_or("")))
                         : layer.Number(62, 7) < 0;
    layer.Set(62, DxfRecord::Format(off || frozen ? -colour : colour));
  }
}

}  // namespace

DxfRewriter::DxfRewriter(std::optional<std::set<std::string>> offLayers) {
  if (!offLayers) return;
  offLayers_.emplace();
  for (const std::string& name : *offLayers) offLayers_->insert(AsciiUpper(name));
}

DxfRewrite DxfRewriter::Rewrite(std::string_view dxf) const {
  std::optional<std::vector<DxfRecord>> read = DxfRecord::Read(dxf);
  if (!read) return {std::string(dxf), 0};
  std::vector<DxfRecord> records = WithMtextAsText(*read);
  Sections sections = FindSections(records);
  if (sections.tables) MarkHiddenLayers(records, *sections.tables, offLayers_);
  std::optional<DxfBox> extents;
  if (sections.entities) {
    extents = DxfExtents(records).Of(sections.entities->first, sections.entities->last);
  }
  records = WithEndlessClipped(records, extents);
  if (extents) SetExtents(records, WithMargin(*extents));
  return {DxfRecord::Write(records), VisibleEntities(records)};
}

}  // namespace platform::hosts
