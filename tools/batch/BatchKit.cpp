#include "tools/batch/BatchKit.h"

#include <string>

#include "ui/headless/HeadlessLabel.h"

namespace batch {
namespace {

class WatchedLabel : public ui::HeadlessLabel {
 public:
  WatchedLabel(ui::Container& parent, const ui::Bounds& bounds, BatchKit& kit)
      : HeadlessLabel(parent, bounds, kit.App()), kit_(kit) {}

  void SetCaption(const std::string& caption) override {
    if (caption == Caption()) return;
    HeadlessLabel::SetCaption(caption);
    if (kit_.OnCaptionChange) kit_.OnCaptionChange(*this);
  }

 private:
  BatchKit& kit_;
};

}  // namespace

std::unique_ptr<ui::Label> BatchKit::CreateLabel(ui::Container& parent, const ui::Bounds& bounds) {
  return std::make_unique<WatchedLabel>(parent, bounds, *this);
}

}  // namespace batch
