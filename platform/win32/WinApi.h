#pragma once
// <windows.h> and the shell's, printing's and automation's headers, for the Win32 definitions of
// the platform's services and the window kit. Windows' headers define macros that carry the
// names of the platform's own members and constants (FindFirstFile, DeleteFile, RegisterClass,
// ERROR_FILE_NOT_FOUND, S_OK, ...); they are undefined here, so that in every file that
// includes this one those names mean the platform's, whichever comes first. Windows' own
// calls are named with their wide-character spelling (FindFirstFileW). Never include this
// from a header of the platform or the kit: the program includes those.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// clang-format off: the order matters to these headers.
#include <ole2.h>
#include <oleauto.h>
#include <shellapi.h>
#include <shlobj.h>
#include <winspool.h>
// clang-format on

#undef AddPrinter
#undef CO_E_CLASSSTRING
#undef CO_E_SERVER_EXEC_FAILURE
#undef CompareString
#undef DISPATCH_METHOD
#undef DISPATCH_PROPERTYGET
#undef DISPATCH_PROPERTYPUT
#undef DISPID_PROPERTYPUT
#undef DISPID_UNKNOWN
#undef DISP_E_BADPARAMCOUNT
#undef DISP_E_EXCEPTION
#undef DISP_E_MEMBERNOTFOUND
#undef DISP_E_NONAMEDARGS
#undef DISP_E_PARAMNOTFOUND
#undef DISP_E_TYPEMISMATCH
#undef DISP_E_UNKNOWNNAME
#undef DRIVE_CDROM
#undef DRIVE_FIXED
#undef DRIVE_NO_ROOT_DIR
#undef DRIVE_RAMDISK
#undef DRIVE_REMOTE
#undef DRIVE_REMOVABLE
#undef DRIVE_UNKNOWN
#undef DeleteFile
#undef DrawText
#undef ERROR_ACCESS_DENIED
#undef ERROR_ALREADY_EXISTS
#undef ERROR_DIRECTORY
#undef ERROR_FILE_EXISTS
#undef ERROR_FILE_NOT_FOUND
#undef ERROR_GEN_FAILURE
#undef ERROR_INSUFFICIENT_BUFFER
#undef ERROR_INVALID_HANDLE
#undef ERROR_INVALID_NAME
#undef ERROR_INVALID_PARAMETER
#undef ERROR_NOT_READY
#undef ERROR_NOT_SAME_DEVICE
#undef ERROR_NO_MORE_FILES
#undef ERROR_PATH_NOT_FOUND
#undef ERROR_SHARING_VIOLATION
#undef ERROR_SUCCESS
#undef ERROR_TOO_MANY_OPEN_FILES
#undef E_FAIL
#undef E_INVALIDARG
#undef E_NOINTERFACE
#undef E_NOTIMPL
#undef E_POINTER
#undef E_UNEXPECTED
#undef EnumPrinters
#undef FAILED
#undef FILE_ATTRIBUTE_ARCHIVE
#undef FILE_ATTRIBUTE_DIRECTORY
#undef FILE_ATTRIBUTE_HIDDEN
#undef FILE_ATTRIBUTE_READONLY
#undef FILE_ATTRIBUTE_SYSTEM
#undef FindFirstFile
#undef FindFirstFileEx
#undef FindNextFile
#undef GetCurrentDirectory
#undef GetDriveType
#undef GetFileAttributes
#undef GetProfileString
#undef GetWindowsDirectory
#undef INFINITE
#undef INVALID_FILE_ATTRIBUTES
#undef INVALID_HANDLE_VALUE
#undef KEY_ALL_ACCESS
#undef KEY_READ
#undef KEY_SET_VALUE
#undef KEY_WRITE
#undef MK_E_UNAVAILABLE
#undef MoveFile
#undef PRINTER_ENUM_CONNECTIONS
#undef PRINTER_ENUM_DEFAULT
#undef PRINTER_ENUM_LOCAL
#undef REGDB_E_CLASSNOTREG
#undef RegisterClass
#undef ReplaceFile
#undef SEM_FAILCRITICALERRORS
#undef SHGFI_DISPLAYNAME
#undef SHGFI_OPENICON
#undef SHGFI_SMALLICON
#undef SHGFI_SYSICONINDEX
#undef SHGFI_USEFILEATTRIBUTES
#undef STILL_ACTIVE
#undef SUCCEEDED
#undef SW_HIDE
#undef SW_SHOW
#undef S_OK
#undef SetCurrentDirectory
#undef SetDefaultPrinter
#undef ShellExecute
#undef ShellExecuteEx
#undef VARIANT_FALSE
#undef VARIANT_TRUE
#undef WAIT_FAILED
#undef WAIT_OBJECT_0
#undef WAIT_TIMEOUT

// The platform's own constants, where Windows' have just been undefined.
#include "platform/WinTypes.h"
#include "platform/automation/AutomationTypes.h"

namespace platform::win32 {

// Windows' INVALID_HANDLE_VALUE, whose macro is undefined above.
inline HANDLE InvalidHandle() {
  return reinterpret_cast<HANDLE>(intptr_t{-1});
}

}  // namespace platform::win32
