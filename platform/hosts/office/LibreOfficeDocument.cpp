#include "platform/hosts/office/LibreOfficeDocument.h"

#include <algorithm>

#include <com/sun/star/awt/Point.hpp>
#include <com/sun/star/awt/Size.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/drawing/XDrawPagesSupplier.hpp>
#include <com/sun/star/drawing/XShape.hpp>
#include <com/sun/star/drawing/XShapes.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/view/XViewSettingsSupplier.hpp>

#include "platform/hosts/office/OfficeSession.h"

namespace css = com::sun::star;

namespace platform::hosts::uno {
namespace {

// A plotted drawing keeps this margin on every side (1/100 mm).
constexpr sal_Int32 kPlotMargin = 1000;

const char* PdfExportFilter(DocumentKind kind) {
  switch (kind) {
    case DocumentKind::WebPage:
      return "writer_web_pdf_Export";
    case DocumentKind::Spreadsheet:
      return "calc_pdf_Export";
    case DocumentKind::Presentation:
      return "impress_pdf_Export";
    case DocumentKind::Drawing:
      return "draw_pdf_Export";
    default:
      return "writer_pdf_Export";
  }
}

struct Box {
  sal_Int32 left, top, right, bottom;
};

Box Bounds(const css::uno::Reference<css::drawing::XShapes>& shapes) {
  Box box{SAL_MAX_INT32, SAL_MAX_INT32, SAL_MIN_INT32, SAL_MIN_INT32};
  for (sal_Int32 i = 0; i < shapes->getCount(); ++i) {
    css::uno::Reference<css::drawing::XShape> shape(shapes->getByIndex(i),
                                                    css::uno::UNO_QUERY_THROW);
    css::awt::Point at = shape->getPosition();
    css::awt::Size size = shape->getSize();
    box = {std::min(box.left, at.X), std::min(box.top, at.Y),
           std::max(box.right, at.X + size.Width), std::max(box.bottom, at.Y + size.Height)};
  }
  return box;
}

sal_Int32 Scaled(sal_Int32 length, double scale) {
  return static_cast<sal_Int32>(static_cast<double>(length) * scale + 0.5);
}

// Turns the page to the drawing's shape and scales the drawing about its bounds to fill the
// page inside the margins, centred, as a plot "fit to paper" does.
void FitShapes(const css::uno::Reference<css::drawing::XShapes>& shapes) {
  Box box = Bounds(shapes);
  sal_Int32 width = box.right - box.left;
  sal_Int32 height = box.bottom - box.top;
  if (width <= 0 || height <= 0) return;
  css::uno::Reference<css::beans::XPropertySet> page(shapes, css::uno::UNO_QUERY_THROW);
  sal_Int32 pageWidth = page->getPropertyValue("Width").get<sal_Int32>();
  sal_Int32 pageHeight = page->getPropertyValue("Height").get<sal_Int32>();
  if ((width > height) != (pageWidth > pageHeight)) std::swap(pageWidth, pageHeight);
  page->setPropertyValue("Width", css::uno::Any(pageWidth));
  page->setPropertyValue("Height", css::uno::Any(pageHeight));
  double scale = std::min(static_cast<double>(pageWidth - 2 * kPlotMargin) / width,
                          static_cast<double>(pageHeight - 2 * kPlotMargin) / height);
  sal_Int32 left = (pageWidth - Scaled(width, scale)) / 2;
  sal_Int32 top = (pageHeight - Scaled(height, scale)) / 2;
  for (sal_Int32 i = 0; i < shapes->getCount(); ++i) {
    css::uno::Reference<css::drawing::XShape> shape(shapes->getByIndex(i),
                                                    css::uno::UNO_QUERY_THROW);
    css::awt::Point at = shape->getPosition();
    css::awt::Size size = shape->getSize();
    shape->setSize({Scaled(size.Width, scale), Scaled(size.Height, scale)});
    shape->setPosition(
        {left + Scaled(at.X - box.left, scale), top + Scaled(at.Y - box.top, scale)});
  }
}

// A web document opens in its web layout, one endless page. Its PDF export lays the pages out
// for print right only where the office's event loop has finished the web layout first; else
// many pages (those that start with a heading, those that fit on one sheet) lose their first
// paragraph and print a blank first sheet, as `soffice --convert-to` prints them. Leaving the
// web layout before the export lays the pages out for print at once.
void LeaveWebLayout(const css::uno::Reference<css::lang::XComponent>& component) {
  css::uno::Reference<css::frame::XModel> model(component, css::uno::UNO_QUERY_THROW);
  css::uno::Reference<css::view::XViewSettingsSupplier> view(model->getCurrentController(),
                                                             css::uno::UNO_QUERY);
  if (!view.is()) return;
  view->getViewSettings()->setPropertyValue("ShowOnlineLayout", css::uno::Any(false));
}

}  // namespace

LibreOfficeDocument::LibreOfficeDocument(std::shared_ptr<OfficeSession> session,
                                         css::uno::Reference<css::lang::XComponent> component,
                                         DocumentKind kind, std::string displayName)
    : session_(std::move(session)),
      component_(std::move(component)),
      kind_(kind),
      displayName_(std::move(displayName)) {}

LibreOfficeDocument::~LibreOfficeDocument() {
  if (!component_.is() || !session_->Running()) return;
  try {
    Close();
  } catch (const Error&) {
    // The office stops or has gone; the document goes with it.
  }
}

void LibreOfficeDocument::FitToPage() {
  session_->Call("fitting \"" + displayName_ + "\" to the page", [&] {
    css::uno::Reference<css::drawing::XDrawPagesSupplier> supplier(component_, css::uno::UNO_QUERY);
    if (!supplier.is()) return;
    css::uno::Reference<css::container::XIndexAccess> pages(supplier->getDrawPages(),
                                                            css::uno::UNO_QUERY_THROW);
    if (pages->getCount() == 0) return;
    css::uno::Reference<css::drawing::XShapes> shapes(pages->getByIndex(0),
                                                      css::uno::UNO_QUERY_THROW);
    if (shapes->getCount() > 0) FitShapes(shapes);
  });
}

void LibreOfficeDocument::ExportPdf(const std::filesystem::path& pdfFile) {
  session_->Call("printing \"" + displayName_ + "\"", [&] {
    if (kind_ == DocumentKind::WebPage) LeaveWebLayout(component_);
    css::uno::Reference<css::frame::XStorable> storable(component_, css::uno::UNO_QUERY_THROW);
    storable->storeToURL(
        FileUrl(pdfFile),
        Properties({Property("FilterName",
                             css::uno::Any(rtl::OUString::createFromAscii(PdfExportFilter(kind_)))),
                    Property("Overwrite", css::uno::Any(true))}));
  });
}

void LibreOfficeDocument::Close() {
  if (!component_.is()) return;
  session_->Call("closing \"" + displayName_ + "\"", [&] { CloseComponent(component_); });
  component_.clear();
}

void LibreOfficeDocument::CloseComponent(
    const css::uno::Reference<css::lang::XComponent>& component) {
  css::uno::Reference<css::util::XCloseable> closeable(component, css::uno::UNO_QUERY);
  if (closeable.is()) {
    closeable->close(true);
  } else {
    component->dispose();
  }
}

}  // namespace platform::hosts::uno
