#pragma once
// A document loaded in a LibreOffice session. It is closed when Close is called or, at the
// latest, when the object goes.

#include <memory>
#include <string>

#include <com/sun/star/lang/XComponent.hpp>

#include "platform/hosts/Office.h"

namespace platform::hosts::uno {

class OfficeSession;

class LibreOfficeDocument : public OfficeDocument {
 public:
  LibreOfficeDocument(std::shared_ptr<OfficeSession> session,
                      com::sun::star::uno::Reference<com::sun::star::lang::XComponent> component,
                      DocumentKind kind, std::string displayName);
  ~LibreOfficeDocument() override;

  DocumentKind Kind() const override { return kind_; }
  void FitToPage() override;
  void ExportPdf(const std::filesystem::path& pdfFile) override;
  void Close() override;

  // Closes a loaded component without saving.
  static void CloseComponent(
      const com::sun::star::uno::Reference<com::sun::star::lang::XComponent>& component);

 private:
  std::shared_ptr<OfficeSession> session_;
  com::sun::star::uno::Reference<com::sun::star::lang::XComponent> component_;  // empty: closed
  DocumentKind kind_;
  std::string displayName_;
};

}  // namespace platform::hosts::uno
