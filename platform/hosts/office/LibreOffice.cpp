#include "platform/hosts/office/LibreOffice.h"

#include <algorithm>

#include <com/sun/star/document/XTypeDetection.hpp>
#include <com/sun/star/lang/XMultiComponentFactory.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <rtl/ref.hxx>

#include "platform/hosts/CompoundFile.h"
#include "platform/hosts/office/LibreOfficeDocument.h"
#include "platform/hosts/office/LoadInteraction.h"
#include "platform/hosts/office/OfficeSession.h"

namespace css = com::sun::star;

namespace platform::hosts::uno {
namespace {

// Documents load without running macros or updating links, as a viewer would.
constexpr sal_Int16 kNeverExecuteMacros = 0;  // css::document::MacroExecMode::NEVER_EXECUTE
constexpr sal_Int16 kNoUpdate = 0;            // css::document::UpdateDocMode::NO_UPDATE

std::optional<DocumentKind> KindOf(const css::uno::Reference<css::lang::XComponent>& component) {
  css::uno::Reference<css::lang::XServiceInfo> info(component, css::uno::UNO_QUERY);
  if (!info.is()) return std::nullopt;
  // A web page is also a text document: ask for it first.
  if (info->supportsService("com.sun.star.text.WebDocument")) return DocumentKind::WebPage;
  if (info->supportsService("com.sun.star.text.TextDocument")) return DocumentKind::Text;
  if (info->supportsService("com.sun.star.sheet.SpreadsheetDocument")) {
    return DocumentKind::Spreadsheet;
  }
  if (info->supportsService("com.sun.star.presentation.PresentationDocument")) {
    return DocumentKind::Presentation;
  }
  if (info->supportsService("com.sun.star.drawing.DrawingDocument")) return DocumentKind::Drawing;
  return std::nullopt;
}

// Why a file did not load. The office asks for a password only for the encryptions it can
// undo; the others it reports as unreadable, though the file says it is encrypted.
std::string Refusal(const LoadInteraction& interaction, const std::filesystem::path& file,
                    const std::string& displayName, const ImportFilter& filter) {
  if (interaction.Refusal() == LoadInteraction::Reason::PasswordProtected ||
      CompoundFile(file).Encrypted()) {
    return "The document \"" + displayName + "\" is password-protected.";
  }
  return "The file \"" + displayName + "\" is damaged or not " + filter.documentType + ".";
}

}  // namespace

LibreOffice::LibreOffice(const OfficeInstallation& office, const OfficeHostOptions& options)
    : session_(std::make_shared<OfficeSession>(office, options)) {}

LibreOffice::~LibreOffice() = default;

std::unique_ptr<OfficeDocument> LibreOffice::Open(const std::filesystem::path& file,
                                                  const std::string& displayName,
                                                  const ImportFilter& filter) {
  std::string action = "opening \"" + displayName + "\"";
  rtl::OUString url = FileUrl(file);
  rtl::Reference<LoadInteraction> interaction(new LoadInteraction);
  auto component = session_->Call(action, [&] {
    auto loaded = Load(url, ToOUString(filter.filters.front()), filter, *interaction);
    // The usual format comes first; an older one of the same application is looked for only
    // when the usual one cannot read the file.
    if (loaded.is() || interaction->Refusal() != LoadInteraction::Reason::Unreadable) return loaded;
    std::optional<rtl::OUString> other = DetectOtherFilter(url, filter);
    if (!other) return loaded;
    interaction = new LoadInteraction;
    return Load(url, *other, filter, *interaction);
  });
  if (!component.is()) throw Error(Refusal(*interaction, file, displayName, filter));
  auto kind = session_->Call(action, [&] { return KindOf(component); });
  if (!kind) {
    session_->Call(action, [&] { LibreOfficeDocument::CloseComponent(component); });
    throw Error("LibreOffice opened \"" + displayName + "\" as a document that cannot be printed");
  }
  return std::make_unique<LibreOfficeDocument>(session_, component, *kind, displayName);
}

void LibreOffice::Quit() {
  session_->Terminate();
}

css::uno::Reference<css::lang::XComponent> LibreOffice::Load(const rtl::OUString& url,
                                                             const rtl::OUString& filterName,
                                                             const ImportFilter& filter,
                                                             LoadInteraction& interaction) {
  std::vector<css::beans::PropertyValue> descriptor = {
      Property("FilterName", css::uno::Any(filterName)),
      Property("Hidden", css::uno::Any(true)),
      Property("ReadOnly", css::uno::Any(true)),
      Property("MacroExecutionMode", css::uno::Any(kNeverExecuteMacros)),
      Property("UpdateDocMode", css::uno::Any(kNoUpdate)),
      Property("InteractionHandler",
               css::uno::Any(css::uno::Reference<css::task::XInteractionHandler>(&interaction)))};
  if (!filter.options.empty()) {
    descriptor.push_back(Property("FilterOptions", css::uno::Any(ToOUString(filter.options))));
  }
  try {
    return session_->Desktop()->loadComponentFromURL(url, "_blank", 0, Properties(descriptor));
  } catch (const css::uno::RuntimeException&) {
    throw;
  } catch (const css::uno::Exception&) {
    // A refused load may also raise; the refusal tells more.
    if (interaction.Refusal() == LoadInteraction::Reason::None) throw;
  }
  return {};
}

// The office's type detection tells which of the other filters recognises the file, if any.
std::optional<rtl::OUString> LibreOffice::DetectOtherFilter(const rtl::OUString& url,
                                                            const ImportFilter& filter) {
  if (filter.filters.size() < 2) return std::nullopt;
  css::uno::Reference<css::document::XTypeDetection> detection(
      session_->Context()->getServiceManager()->createInstanceWithContext(
          "com.sun.star.document.TypeDetection", session_->Context()),
      css::uno::UNO_QUERY_THROW);
  auto descriptor = Properties({Property("URL", css::uno::Any(url))});
  detection->queryTypeByDescriptor(descriptor, true);
  for (const css::beans::PropertyValue& property : std::as_const(descriptor)) {
    rtl::OUString name;
    if (property.Name != "FilterName" || !(property.Value >>= name)) continue;
    if (std::find(filter.filters.begin() + 1, filter.filters.end(), ToUtf8(name)) !=
        filter.filters.end()) {
      return name;
    }
  }
  return std::nullopt;
}

}  // namespace platform::hosts::uno
