#pragma once
// For the batch tool's own tests only, chosen with SHEAFMILL_TEST_SCRIPTED_HOSTS=1: an office
// that needs no LibreOffice, so that whole runs can be tested as processes on any machine.
// The authoring applications on top of it are the real ones; only the rendering is faked.
// Every document prints as one blank page, but a document whose text begins with
// "unreadable" cannot be opened, and one that begins with "slow" takes a second to print,
// long enough for a test to interrupt the run in the middle of it.

#include <memory>

#include "platform/hosts/Office.h"

namespace batch {

std::unique_ptr<platform::hosts::Office> MakeTestOffice();

}  // namespace batch
