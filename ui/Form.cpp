#include "ui/Form.h"

namespace ui {

void Form::SetModalResult(int result) {
  modalResult_ = result;
  if (result != mrNone) {
    EndModal();
  }
}

bool Form::QueryClose() {
  bool canClose = true;
  if (OnCloseQuery) {
    OnCloseQuery(canClose);
  }
  if (canClose && OnClose) {
    OnClose();
  }
  return canClose;
}

}  // namespace ui
