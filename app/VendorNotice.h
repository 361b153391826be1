#pragma once
// The maker's notice at the bottom of the main window, its web page, and the start-up
// warning when no printer of the PDF driver's family is installed.

#include <string>

inline constexpr char kVendorNotice[] = "\xC2\xA9 2004-2013 Quillby Software Ltd.";
inline constexpr char kVendorWebPage[] = "https://quillby.example/veltra";
inline constexpr char kNoVeltraPrinter[] =
    "No VELTRA family product installed on your computer!\r"
    "Please download the VELTRA products from https://quillby.example/veltra";

// The notice brought up to `year`: after 2013 every "2013" in it reads `year`; up to 2013 it
// stays as designed.
std::string NoticeForYear(const std::string& notice, int year);
