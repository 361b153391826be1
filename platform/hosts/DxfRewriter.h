#pragma once
// Readies a DXF drawing for LibreOffice's import, which draws a file as it stands: multi-line
// text becomes single-line TEXT (the import leaves MTEXT out), construction lines become lines
// across the drawing (it cannot draw endless ones), and $EXTMIN/$EXTMAX say the box the
// entities really cover (it scales the drawing to them, and writers leave them stale, empty
// or missing). Frozen layers, which the import draws, are marked off. For a drawing read from
// DWG it also switches on again the layers that the DWG reader's DXF marks off though the
// drawing has them on.

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace platform::hosts {

struct DxfRewrite {
  std::string text;
  // The model-space entities on layers that are on and thawed: when there are any, a plot
  // without ink has lost the drawing.
  size_t visibleEntities = 0;
};

class DxfRewriter {
 public:
  // `offLayers`: the names of the layers that are really off, when the layer table's own
  // marks cannot be trusted; nothing: they are trusted.
  explicit DxfRewriter(std::optional<std::set<std::string>> offLayers = std::nullopt);

  // A binary or malformed DXF is given back as it is, with no entities counted.
  DxfRewrite Rewrite(std::string_view dxf) const;

 private:
  std::optional<std::set<std::string>> offLayers_;  // upper-cased
};

}  // namespace platform::hosts
