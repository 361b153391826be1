#include "platform/hosts/OfficeHosts.h"

#include "platform/Error.h"
#include "platform/hosts/AcadApplication.h"
#include "platform/hosts/CadOffice.h"
#include "platform/hosts/ExcelApplication.h"
#include "platform/hosts/PowerPointApplication.h"
#include "platform/hosts/WordApplication.h"
#ifdef SHEAFMILL_HAVE_LIBREOFFICE
#include "platform/hosts/office/LibreOffice.h"
#include "platform/hosts/office/OfficeSession.h"
#include "platform/hosts/office/SpareOffice.h"
#endif

namespace platform::hosts {
namespace {

template <typename Application>
void RegisterHost(AutomationRuntime& runtime, const char* progId, const char* clsid,
                  HostFamily family, HostServices services, OfficeFactory makeOffice) {
  runtime.RegisterClass(
      progId, CLSID{clsid}, CLSCTX_LOCAL_SERVER,
      [&runtime, family, services, makeOffice](std::shared_ptr<IUnknown>& object) -> HRESULT {
        try {
          auto instance = std::make_shared<HostInstance>(family, services, makeOffice());
          object = std::make_shared<Application>(std::move(instance));
          return S_OK;
        } catch (const Error& error) {
          runtime.SetErrorInfo(error.Message());
          return CO_E_SERVER_EXEC_FAILURE;
        }
      });
}

}  // namespace

void RegisterHosts(AutomationRuntime& runtime, HostServices services, OfficeFactory makeOffice,
                   OfficeFactory makeCadOffice) {
  RegisterHost<WordApplication>(runtime, "Word.Application",
                                "{5F3A9C21-7B0E-4D6A-9E41-2C8B7D05A101}", HostFamily::Word,
                                services, makeOffice);
  RegisterHost<ExcelApplication>(runtime, "Excel.Application",
                                 "{5F3A9C21-7B0E-4D6A-9E41-2C8B7D05A102}", HostFamily::Excel,
                                 services, makeOffice);
  RegisterHost<PowerPointApplication>(runtime, "PowerPoint.Application",
                                      "{5F3A9C21-7B0E-4D6A-9E41-2C8B7D05A103}",
                                      HostFamily::PowerPoint, services, makeOffice);
  RegisterHost<AcadApplication>(runtime, "AutoCAD.Application",
                                "{5F3A9C21-7B0E-4D6A-9E41-2C8B7D05A104}", HostFamily::AutoCAD,
                                services, makeCadOffice ? makeCadOffice : makeOffice);
}

bool RegisterOfficeHosts(AutomationRuntime& runtime, Spooler& spooler, Printers& printers,
                         FileSystem& files, const OfficeHostOptions& options) {
#ifdef SHEAFMILL_HAVE_LIBREOFFICE
  std::optional<OfficeInstallation> office = OfficeInstallation::Find(options.programFolder);
  if (!office) return false;
  uno::OfficeSession::RemoveAbandoned(options.workFolder);
  std::shared_ptr<uno::SpareOffice> spare;
  if (options.lifetime == OfficeLifetime::Process) {
    spare = std::make_shared<uno::SpareOffice>(*office, options);
  }
  auto makeOffice = [office = *office, options, spare]() -> std::unique_ptr<Office> {
    if (spare) return std::make_unique<uno::LibreOffice>(spare);
    return std::make_unique<uno::LibreOffice>(office, options);
  };
  auto makeCadOffice = [makeOffice, options]() -> std::unique_ptr<Office> {
    return std::make_unique<CadOffice>(makeOffice(),
                                       DwgReader(options.dwgReaderFolder, options.documentLimit),
                                       options.documentLimit);
  };
  RegisterHosts(runtime, {spooler, printers, files}, makeOffice, makeCadOffice);
  return true;
#else
  (void)runtime, (void)spooler, (void)printers, (void)files, (void)options;
  return false;
#endif
}

}  // namespace platform::hosts
