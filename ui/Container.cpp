#include "ui/Container.h"

#include <algorithm>

#include "ui/Control.h"

namespace ui {

Container::~Container() {
  for (Control* control : controls_) {
    control->parent_ = nullptr;
  }
}

std::vector<Control*> TabSequence(const Container& container) {
  std::vector<Control*> ordered = container.Controls();
  std::stable_sort(ordered.begin(), ordered.end(), [](const Control* a, const Control* b) {
    return a->TabOrder() < b->TabOrder();
  });
  std::vector<Control*> sequence;
  for (Control* control : ordered) {
    if (const auto* box = dynamic_cast<const Container*>(control)) {
      std::vector<Control*> inner = TabSequence(*box);
      sequence.insert(sequence.end(), inner.begin(), inner.end());
    } else if (control->TabStop()) {
      sequence.push_back(control);
    }
  }
  return sequence;
}

}  // namespace ui
