#include "platform/hosts/office/LibreOffice.h"

#include <algorithm>

#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/document/XTypeDetection.hpp>
#include <com/sun/star/lang/XMultiComponentFactory.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <rtl/ref.hxx>

#include "platform/hosts/CompoundFile.h"
#include "platform/hosts/office/FileAlias.h"
#include "platform/hosts/office/LibreOfficeDocument.h"
#include "platform/hosts/office/LoadInteraction.h"
#include "platform/hosts/office/OfficeSession.h"
#include "platform/hosts/office/SpareOffice.h"
#include "platform/hosts/office/UnicodeCopy.h"

namespace css = com::sun::star;

namespace platform::hosts::uno {
namespace {

// Documents load without running macros or updating links, as a viewer would.
constexpr sal_Int16 kNeverExecuteMacros = 0;  // css::document::MacroExecMode::NEVER_EXECUTE
constexpr sal_Int16 kNoUpdate = 0;            // css::document::UpdateDocMode::NO_UPDATE
// A filter that reads files (css::document::FilterFlags IMPORT).
constexpr sal_Int32 kImportFlag = 0x1;

// The value of the property `name` in `properties`, or the type's default.
template <typename T>
T Value(const css::uno::Sequence<css::beans::PropertyValue>& properties, const char* name) {
  T value{};
  for (const css::beans::PropertyValue& property : properties) {
    if (property.Name.equalsAscii(name)) property.Value >>= value;
  }
  return value;
}

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

LibreOffice::LibreOffice(std::shared_ptr<SpareOffice> spare)
    : spare_(std::move(spare)), session_(spare_->Take()) {}

LibreOffice::~LibreOffice() = default;

std::unique_ptr<OfficeDocument> LibreOffice::Open(const std::filesystem::path& file,
                                                  const std::string& displayName,
                                                  const ImportFilter& filter) {
  std::string action = "opening \"" + displayName + "\"";
  UnicodeCopy copy(file, filter.undeclaredCharset, session_->Folder().Temp());
  // The copy's own name is plain: it needs no alias.
  FileAlias alias(copy.Path().empty() ? file : copy.Path(), session_->Folder().Temp());
  Source source{FileUrl(alias.Path()), {}};
  // A link or a copy in the instance's folder resolves the document's links from the file's
  // own folder, whose name the office can take even where the file's name is not UTF-8.
  if (source.url != FileUrl(file)) source.baseUrl = FileUrl(std::filesystem::absolute(file));
  rtl::Reference<LoadInteraction> interaction(new LoadInteraction);
  auto component = session_->Call(action, [&] {
    css::uno::Reference<css::lang::XComponent> loaded;
    if (!filter.filters.empty()) {
      loaded = Load(source, ToOUString(filter.filters.front()), filter, *interaction);
    }
    // The usual format comes first; the others of the application are looked for only when
    // it cannot read the file.
    if (loaded.is() || interaction->Refusal() == LoadInteraction::Reason::PasswordProtected) {
      return loaded;
    }
    std::optional<rtl::OUString> other = DetectOtherFilter(source.url, filter, *interaction);
    if (!other) return loaded;
    interaction = new LoadInteraction;
    return Load(source, *other, filter, *interaction);
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
  if (spare_) {
    spare_->Keep(std::move(session_));
  } else {
    session_->Terminate();
  }
}

css::uno::Reference<css::lang::XComponent> LibreOffice::Load(const Source& source,
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
  if (!source.baseUrl.isEmpty()) {
    descriptor.push_back(Property("DocumentBaseURL", css::uno::Any(source.baseUrl)));
  }
  try {
    return session_->Desktop()->loadComponentFromURL(source.url, "_blank", 0,
                                                     Properties(descriptor));
  } catch (const css::uno::RuntimeException&) {
    throw;
  } catch (const css::uno::Exception&) {
    // A refused load may also raise; the refusal tells more.
    if (interaction.Refusal() == LoadInteraction::Reason::None) throw;
  }
  return {};
}

// The filter the office's type detection finds for the file, when it makes a document of the
// application's kinds and is not the one tried already. Plain text filters read any bytes:
// they are left to the choice by name and content. A password the detection asks for is
// refused through `interaction`, as a load's is.
std::optional<rtl::OUString> LibreOffice::DetectOtherFilter(const rtl::OUString& url,
                                                            const ImportFilter& filter,
                                                            LoadInteraction& interaction) {
  const auto& context = session_->Context();
  auto create = [&](const char* service) {
    return context->getServiceManager()->createInstanceWithContext(
        rtl::OUString::createFromAscii(service), context);
  };
  css::uno::Reference<css::document::XTypeDetection> detection(
      create("com.sun.star.document.TypeDetection"), css::uno::UNO_QUERY_THROW);
  auto descriptor = Properties(
      {Property("URL", css::uno::Any(url)),
       Property("InteractionHandler",
                css::uno::Any(css::uno::Reference<css::task::XInteractionHandler>(&interaction)))});
  rtl::OUString type = detection->queryTypeByDescriptor(descriptor, true);
  if (type.isEmpty()) return std::nullopt;
  rtl::OUString name = Value<rtl::OUString>(descriptor, "FilterName");
  if (name.isEmpty()) {
    css::uno::Reference<css::container::XNameAccess> types(detection, css::uno::UNO_QUERY_THROW);
    name = Value<rtl::OUString>(
        types->getByName(type).get<css::uno::Sequence<css::beans::PropertyValue>>(),
        "PreferredFilter");
  }
  css::uno::Reference<css::container::XNameAccess> filters(
      create("com.sun.star.document.FilterFactory"), css::uno::UNO_QUERY_THROW);
  if (name.isEmpty() || name.startsWith("Text") || !filters->hasByName(name)) return std::nullopt;
  auto properties = filters->getByName(name).get<css::uno::Sequence<css::beans::PropertyValue>>();
  std::string service = ToUtf8(Value<rtl::OUString>(properties, "DocumentService"));
  bool tried = !filter.filters.empty() && filter.filters.front() == ToUtf8(name);
  bool imports = (Value<sal_Int32>(properties, "Flags") & kImportFlag) != 0;
  if (tried || !imports ||
      std::find(filter.documentServices.begin(), filter.documentServices.end(), service) ==
          filter.documentServices.end()) {
    return std::nullopt;
  }
  return name;
}

}  // namespace platform::hosts::uno
