#pragma once
// An office kept running after its application quit, for the next application that starts:
// starting LibreOffice costs as much as converting a few documents, and one process serves
// Word, Excel and PowerPoint alike, as `soffice --convert-to` serves all of its files. Only an
// office that nothing else holds and that has no document open is kept, one at a time; it ends
// with its keeper.

#include <memory>
#include <mutex>

#include "platform/hosts/OfficeHostOptions.h"
#include "platform/hosts/OfficeInstallation.h"

namespace platform::hosts::uno {

class OfficeSession;

class SpareOffice {
 public:
  SpareOffice(OfficeInstallation office, OfficeHostOptions options);
  // Ends the kept office.
  ~SpareOffice();
  SpareOffice(const SpareOffice&) = delete;
  SpareOffice& operator=(const SpareOffice&) = delete;

  // The kept office while it still runs, else a new one; raises platform::Error as
  // OfficeSession does.
  std::shared_ptr<OfficeSession> Take();
  // Keeps `session` for the next Take when it can serve again; ends it otherwise.
  void Keep(std::shared_ptr<OfficeSession> session);

 private:
  OfficeInstallation office_;
  OfficeHostOptions options_;
  std::mutex mutex_;
  std::shared_ptr<OfficeSession> kept_;
};

}  // namespace platform::hosts::uno
