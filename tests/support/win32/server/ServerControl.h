#pragma once
// What a test asks of the scripted automation server, exported by its DLL with C linkage.
// The DLL keeps one script and one record for the whole process; texts are UTF-8.

#include <cstdint>

extern "C" {

// Forgets the record, the script and the open documents; application objects made from now
// on are called `label` in the record ("Word": "Word.Documents: method Open(...)").
void ServerReset(const char* label);
// The member `member` of the object called `object` raises an exception with `description`.
void ServerFail(const char* object, const char* member, const char* description);
// The member no longer exists on the object: looking it up answers an unknown name.
void ServerForget(const char* object, const char* member);
// The calls received since the reset, each followed by "\n". Copies at most `size` bytes
// into `buffer` and returns the length of the whole record.
int32_t ServerCallLog(char* buffer, int32_t size);
// Application objects made since the reset, and those not yet ended by their last release.
int32_t ServerCreated();
int32_t ServerAlive();
}

using ServerResetFunction = decltype(&ServerReset);
using ServerFailFunction = decltype(&ServerFail);
using ServerForgetFunction = decltype(&ServerForget);
using ServerCallLogFunction = decltype(&ServerCallLog);
using ServerCountFunction = decltype(&ServerCreated);
