#pragma once
// The PDF printer driver's printing-preferences window: which installed font families the
// driver embeds in every PDF, with OK and Cancel.

#include <wx/checklst.h>
#include <wx/dialog.h>

#include <string>
#include <vector>

namespace printui {

class PreferencesDialog : public wxDialog {
 public:
  // Offers `families` in the order given, `chosen` ones ticked. A chosen family that is not
  // among them (no longer installed) is offered too, at the end, so that OK keeps it unless
  // the user unticks it.
  PreferencesDialog(const std::string& printer, const std::vector<std::string>& families,
                    const std::vector<std::string>& chosen);

  // The ticked families, in the order offered.
  std::vector<std::string> Chosen() const;
  wxCheckListBox* Families() const { return list_; }

  // The installed font families (fontconfig's list), sorted ignoring letter case, each
  // once; families whose names cannot be stored are left out.
  static std::vector<std::string> InstalledFamilies();

 private:
  wxCheckListBox* list_;
};

}  // namespace printui
