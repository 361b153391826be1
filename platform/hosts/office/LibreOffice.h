#pragma once
// The office of one application instance: a LibreOffice process of its own, or the one that
// a SpareOffice kept from an application that quit before.

#include <memory>
#include <optional>

#include <com/sun/star/lang/XComponent.hpp>
#include <rtl/ustring.hxx>

#include "platform/hosts/Office.h"
#include "platform/hosts/OfficeHostOptions.h"
#include "platform/hosts/OfficeInstallation.h"

namespace platform::hosts::uno {

class LoadInteraction;
class OfficeSession;
class SpareOffice;

class LibreOffice : public Office {
 public:
  // Starts the office; raises platform::Error when it cannot.
  LibreOffice(const OfficeInstallation& office, const OfficeHostOptions& options);
  // Takes its office from `spare` and hands it back there at Quit.
  explicit LibreOffice(std::shared_ptr<SpareOffice> spare);
  ~LibreOffice() override;

  std::unique_ptr<OfficeDocument> Open(const std::filesystem::path& file,
                                       const std::string& displayName,
                                       const ImportFilter& filter) override;
  void Quit() override;

 private:
  // What the office reads: the file, a name for it or a copy of it, which names the file as
  // the base that the document's relative links start from.
  struct Source {
    rtl::OUString url;
    rtl::OUString baseUrl;  // empty: the document's own
  };

  // Loads with one filter; nothing when the interaction refused what the office asked.
  com::sun::star::uno::Reference<com::sun::star::lang::XComponent> Load(
      const Source& source, const rtl::OUString& filterName, const ImportFilter& filter,
      LoadInteraction& interaction);
  std::optional<rtl::OUString> DetectOtherFilter(const rtl::OUString& url,
                                                 const ImportFilter& filter,
                                                 LoadInteraction& interaction);

  std::shared_ptr<SpareOffice> spare_;      // none: the office ends at Quit
  std::shared_ptr<OfficeSession> session_;  // shared with the open documents
};

}  // namespace platform::hosts::uno
