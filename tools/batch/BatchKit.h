#pragma once
// The headless kit as the batch tool uses it: every label reports when its caption changes,
// so that the tool can print the window's status lines as they change.

#include <functional>
#include <memory>

#include "ui/headless/HeadlessKit.h"

namespace batch {

class BatchKit : public ui::HeadlessKit {
 public:
  std::unique_ptr<ui::Label> CreateLabel(ui::Container& parent, const ui::Bounds& bounds) override;

  // Runs after a label's caption has changed to another text.
  std::function<void(const ui::Label& label)> OnCaptionChange;
};

}  // namespace batch
