#pragma once
// The office of the CAD host: LibreOffice's Draw renders DXF, so a DWG drawing is first
// written as DXF by the DWG reader, and every drawing goes through the DxfRewriter before
// the office reads it. The office reads the rewritten copy, which is removed once loaded.

#include <chrono>
#include <memory>

#include "platform/hosts/DwgReader.h"
#include "platform/hosts/Office.h"

namespace platform::hosts {

class CadOffice : public Office {
 public:
  // `limit` bounds the reader and the check of each print.
  CadOffice(std::unique_ptr<Office> office, DwgReader reader, std::chrono::milliseconds limit);

  std::unique_ptr<OfficeDocument> Open(const std::filesystem::path& file,
                                       const std::string& displayName,
                                       const ImportFilter& filter) override;
  void Quit() override { office_->Quit(); }

 private:
  std::unique_ptr<Office> office_;
  DwgReader reader_;
  std::chrono::milliseconds limit_;
};

}  // namespace platform::hosts
