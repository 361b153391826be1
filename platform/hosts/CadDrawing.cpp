#include "platform/hosts/CadDrawing.h"

#include "platform/Error.h"
#include "platform/hosts/PageInk.h"

namespace platform::hosts {

CadDrawing::CadDrawing(std::unique_ptr<OfficeDocument> document, size_t visibleEntities,
                       std::string displayName, std::chrono::milliseconds limit)
    : document_(std::move(document)),
      visibleEntities_(visibleEntities),
      displayName_(std::move(displayName)),
      limit_(limit) {}

void CadDrawing::ExportPdf(const std::filesystem::path& pdfFile) {
  document_->ExportPdf(pdfFile);
  if (visibleEntities_ == 0 || FirstPageHasInk(pdfFile, limit_).value_or(true)) return;
  throw Error("The drawing \"" + displayName_ + "\" came out as a blank page: LibreOffice drew " +
              (visibleEntities_ == 1
                   ? std::string("not its one entity.")
                   : "none of its " + std::to_string(visibleEntities_) + " entities."));
}

}  // namespace platform::hosts
