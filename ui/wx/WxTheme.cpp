#include "ui/wx/WxTheme.h"

#include <dlfcn.h>
#include <wx/settings.h>

namespace ui {

namespace {

// The modern GTK theme's minimum sizes are larger than the classic layouts allow (a 34-pixel
// button in a 25-pixel slot). The overrides are style sheet rules for the whole process.
constexpr char kClassicCss[] =
    "button { min-height: 0; min-width: 0; padding: 0 4px; }\n"
    "entry { min-height: 0; padding: 0 3px; }\n"
    "checkbutton { min-height: 0; padding: 0; }\n"
    "checkbutton check { min-width: 13px; min-height: 13px; margin: 0 4px 0 0; }\n"
    "frame > label { margin-left: 6px; padding: 0 2px; }\n";

constexpr unsigned kStyleProviderPriorityApplication = 600;

template <class Function>
Function Lookup(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
}

}  // namespace

wxFont WxTheme::DialogFont(bool bold) {
  return wxFont(wxFontInfo(8).FaceName("Liberation Sans").Bold(bold));
}

wxColour WxTheme::ButtonFace() {
  return wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
}

void WxTheme::InstallClassicMetrics() {
  // GTK is already loaded by wx; its C functions are looked up at run time so that building
  // needs no GTK development headers. Without them the theme's own metrics stay.
  using NewProvider = void* (*)();
  using LoadData = int (*)(void* provider, const char* data, long length, void** error);
  using DefaultScreen = void* (*)();
  using AddProvider = void (*)(void* screen, void* provider, unsigned priority);
  auto newProvider = Lookup<NewProvider>("gtk_css_provider_new");
  auto loadData = Lookup<LoadData>("gtk_css_provider_load_from_data");
  auto defaultScreen = Lookup<DefaultScreen>("gdk_screen_get_default");
  auto addProvider = Lookup<AddProvider>("gtk_style_context_add_provider_for_screen");
  if (newProvider == nullptr || loadData == nullptr || defaultScreen == nullptr ||
      addProvider == nullptr) {
    return;
  }
  void* screen = defaultScreen();
  void* provider = newProvider();
  if (screen == nullptr || provider == nullptr) {
    return;
  }
  loadData(provider, kClassicCss, -1, nullptr);
  addProvider(screen, provider, kStyleProviderPriorityApplication);
}

}  // namespace ui
