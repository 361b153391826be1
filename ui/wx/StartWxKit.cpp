#include "ui/wx/StartWxKit.h"

#include "ui/wx/WxKit.h"

namespace ui {

std::unique_ptr<Kit> StartWxKit(const char* programName) {
  return WxKit::Start(programName);
}

}  // namespace ui
