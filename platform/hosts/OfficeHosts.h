#pragma once
// Registers the authoring applications with the automation runtime: "Word.Application",
// "Excel.Application", "PowerPoint.Application" and "AutoCAD.Application", served from a
// local server. Every instance created starts an office of its own (unless it takes the one
// that an instance before it left running, as OfficeLifetime::Process has it); a server that
// cannot start answers CO_E_SERVER_EXEC_FAILURE. When LibreOffice is not installed, nothing is
// registered, and clients get "Invalid class string" as on a machine without the
// applications.

#include "platform/automation/AutomationRuntime.h"
#include "platform/hosts/HostInstance.h"
#include "platform/hosts/OfficeHostOptions.h"

namespace platform::hosts {

// Registers the four classes over LibreOffice when it is installed in options.programFolder
// and this build has its client; returns whether it did.
bool RegisterOfficeHosts(AutomationRuntime& runtime, Spooler& spooler, Printers& printers,
                         FileSystem& files, const OfficeHostOptions& options);

// Registers the four classes over the offices that `makeOffice` makes; AutoCAD's over those
// of `makeCadOffice` when it is given.
void RegisterHosts(AutomationRuntime& runtime, HostServices services, OfficeFactory makeOffice,
                   OfficeFactory makeCadOffice = nullptr);

}  // namespace platform::hosts
