#include "platform/hosts/office/SpareOffice.h"

#include "platform/hosts/office/OfficeSession.h"

namespace platform::hosts::uno {

SpareOffice::SpareOffice(OfficeInstallation office, OfficeHostOptions options)
    : office_(std::move(office)), options_(std::move(options)) {}

SpareOffice::~SpareOffice() {
  if (kept_) kept_->Terminate();
}

std::shared_ptr<OfficeSession> SpareOffice::Take() {
  std::shared_ptr<OfficeSession> kept;
  {
    std::lock_guard lock(mutex_);
    kept = std::move(kept_);
  }
  // One that ended while it waited (killed, crashed) is removed with its folder; asking it
  // tells also when its end is not yet collected.
  if (kept && kept->Idle()) return kept;
  kept.reset();
  return std::make_shared<OfficeSession>(office_, options_);
}

void SpareOffice::Keep(std::shared_ptr<OfficeSession> session) {
  if (session.use_count() == 1 && session->Idle()) {
    std::lock_guard lock(mutex_);
    if (!kept_) {
      kept_ = std::move(session);
      return;
    }
  }
  session->Terminate();
}

}  // namespace platform::hosts::uno
