#include "app/ProgramWorld.h"

#include "platform/driver/PdfDriver.h"
#include "platform/hosts/OfficeHosts.h"

namespace {

// Beside the registry store: office profiles, set up once and copied for each office
// started, also by later runs.
constexpr char kOfficeProfiles[] = "office-profiles";

}  // namespace

ProgramWorld::ProgramWorld(const platform::PlatformOptions& options,
                           platform::hosts::OfficeFactory makeOffice,
                           platform::hosts::OfficeLifetime lifetime)
    : platform_(options),
      driver_(std::make_unique<platform::driver::PdfDriver>(platform_.Registry(), platform_.Files(),
                                                            platform_.Sys())) {
  driver_->RegisterWith(platform_.Spool());
  if (makeOffice) {
    platform::hosts::RegisterHosts(platform_.Automation(),
                                   {platform_.Spool(), platform_.Printing(), platform_.Files()},
                                   std::move(makeOffice));
    hostsRegistered_ = true;
    return;
  }
  platform::hosts::OfficeHostOptions hostOptions =
      platform::hosts::OfficeHostOptions::Defaults(options.profileFolder / kOfficeProfiles);
  hostOptions.lifetime = lifetime;
  hostsRegistered_ =
      platform::hosts::RegisterOfficeHosts(platform_.Automation(), platform_.Spool(),
                                           platform_.Printing(), platform_.Files(), hostOptions);
}

ProgramWorld::~ProgramWorld() = default;
