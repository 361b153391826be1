#pragma once
// Something that controls belong to: a form, or a group box inside one. The container keeps
// its controls in creation order and tells the tab order apart from it.

#include <vector>

namespace ui {

class Control;
class Form;

class Container {
 public:
  Container() = default;
  virtual ~Container();
  Container(const Container&) = delete;
  Container& operator=(const Container&) = delete;

  // The controls that belong here, in creation order.
  const std::vector<Control*>& Controls() const { return controls_; }
  // The form this container is, or lies on.
  virtual Form& OwningForm() = 0;

 private:
  friend class Control;
  std::vector<Control*> controls_;
};

// The controls that take the focus by the Tab key, in the order Tab visits them: the
// container's controls sorted by tab order (creation order among equals), a group box's own
// controls in place of the box.
std::vector<Control*> TabSequence(const Container& container);

}  // namespace ui
