#include "ui/wx/WxSystemIcons.h"

#include <wx/artprov.h>

#include <wx/image.h>
#include <algorithm>

#include "platform/shell/Shell.h"
#include "ui/wx/WxText.h"

namespace ui {

namespace {

constexpr int kIconSize = 16;

wxBitmap Transparent() {
  wxImage image(kIconSize, kIconSize);
  image.InitAlpha();
  std::fill_n(image.GetAlpha(), kIconSize * kIconSize, static_cast<unsigned char>(0));
  return wxBitmap(image);
}

}  // namespace

wxBitmap WxSystemIcon(int iconIndex) {
  const wxSize size(kIconSize, kIconSize);
  wxBitmap icon =
      wxArtProvider::GetBitmap(ToWx(platform::Shell::IconName(iconIndex)), wxART_OTHER, size);
  if (icon.IsOk() && icon.GetSize() != size) {
    icon = wxBitmap(icon.ConvertToImage().Rescale(kIconSize, kIconSize, wxIMAGE_QUALITY_HIGH));
  }
  return icon;
}

wxImageList* NewWxSystemImageList() {
  const int count = static_cast<int>(platform::SystemIcon::Count);
  auto* list = new wxImageList(kIconSize, kIconSize, true, count);
  for (int index = 0; index < count; ++index) {
    wxBitmap icon = WxSystemIcon(index);
    // A missing picture keeps its place, so that later indices stay where they belong.
    list->Add(icon.IsOk() ? icon : Transparent());
  }
  return list;
}

}  // namespace ui
