#include "tools/printui/PreferencesDialog.h"

#include <wx/fontenum.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>

#include "platform/system/System.h"
#include "tools/printui/EmbeddedFonts.h"

namespace printui {

namespace {

wxString ToWx(const std::string& text) {
  return wxString::FromUTF8(text);
}

std::string FromWx(const wxString& text) {
  return text.ToStdString(wxConvUTF8);
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

PreferencesDialog::PreferencesDialog(const std::string& printer,
                                     const std::vector<std::string>& families,
                                     const std::vector<std::string>& chosen)
    : wxDialog(nullptr, wxID_ANY, ToWx(printer + " Printing Preferences")) {
  std::vector<std::string> offered = families;
  for (const std::string& family : chosen) {
    if (!Contains(offered, family)) offered.push_back(family);
  }
  wxArrayString items;
  for (const std::string& family : offered) items.Add(ToWx(family));

  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(new wxStaticText(this, wxID_ANY, "Font families to embed in every PDF:"),
             wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 10));
  list_ = new wxCheckListBox(this, wxID_ANY, wxDefaultPosition, wxSize(320, 280), items);
  for (unsigned i = 0; i < offered.size(); ++i) {
    list_->Check(i, Contains(chosen, offered[i]));
  }
  sizer->Add(list_, wxSizerFlags(1).Expand().Border(wxALL, 10));
  sizer->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL),
             wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 10));
  SetSizerAndFit(sizer);
  CentreOnScreen();
}

std::vector<std::string> PreferencesDialog::Chosen() const {
  std::vector<std::string> chosen;
  for (unsigned i = 0; i < list_->GetCount(); ++i) {
    if (list_->IsChecked(i)) chosen.push_back(FromWx(list_->GetString(i)));
  }
  return chosen;
}

std::vector<std::string> PreferencesDialog::InstalledFamilies() {
  std::vector<std::string> families;
  for (const wxString& face : wxFontEnumerator::GetFacenames()) {
    const std::string family = FromWx(face);
    if (EmbeddedFonts::Storable(family)) families.push_back(family);
  }
  std::sort(families.begin(), families.end(), [](const std::string& a, const std::string& b) {
    const int order = platform::System::CompareTextIgnoreCase(a, b);
    return order != 0 ? order < 0 : a < b;
  });
  families.erase(std::unique(families.begin(), families.end()), families.end());
  return families;
}

}  // namespace printui
