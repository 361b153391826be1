#pragma once
// A drawing the CAD host has open: the office's document, which it prints, checked after each
// print. A drawing with entities to show whose page comes out without ink has lost them on
// the way (an import that drew nothing, a drawing scaled to nothing): that print fails rather
// than hand the printer a blank page.

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

#include "platform/hosts/Office.h"

namespace platform::hosts {

class CadDrawing : public OfficeDocument {
 public:
  CadDrawing(std::unique_ptr<OfficeDocument> document, size_t visibleEntities,
             std::string displayName, std::chrono::milliseconds limit);

  DocumentKind Kind() const override { return document_->Kind(); }
  void FitToPage() override { document_->FitToPage(); }
  void ExportPdf(const std::filesystem::path& pdfFile) override;
  void Close() override { document_->Close(); }

 private:
  std::unique_ptr<OfficeDocument> document_;
  size_t visibleEntities_;
  std::string displayName_;
  std::chrono::milliseconds limit_;
};

}  // namespace platform::hosts
