#include "app/VendorNotice.h"

#include <gtest/gtest.h>

namespace {

TEST(VendorNoticeTest, StaysAsDesignedUpToTheDesignYear) {
  EXPECT_EQ(NoticeForYear(kVendorNotice, 2013), kVendorNotice);
  EXPECT_EQ(NoticeForYear(kVendorNotice, 2009), kVendorNotice);
}

TEST(VendorNoticeTest, ReadsTheCurrentYearAfterTheDesignYear) {
  EXPECT_EQ(NoticeForYear(kVendorNotice, 2026), "\xC2\xA9 2004-2026 Quillby Software Ltd.");
  EXPECT_EQ(NoticeForYear(kVendorNotice, 2014), "\xC2\xA9 2004-2014 Quillby Software Ltd.");
}

TEST(VendorNoticeTest, ReplacesEveryOccurrence) {
  EXPECT_EQ(NoticeForYear("2013 to 2013", 2026), "2026 to 2026");
  EXPECT_EQ(NoticeForYear("20132013", 2030), "20302030");
  EXPECT_EQ(NoticeForYear("no year here", 2026), "no year here");
  EXPECT_EQ(NoticeForYear("", 2026), "");
}

TEST(VendorNoticeTest, TheNoticeNamesTheMakerAndEndsItsYearsWith2013) {
  std::string notice = kVendorNotice;
  EXPECT_NE(notice.find("Quillby Software"), std::string::npos);
  EXPECT_NE(notice.find("-2013"), std::string::npos);
  EXPECT_EQ(std::string(kNoVeltraPrinter)
                .rfind("No VELTRA family product installed on your "
                       "computer!\r",
                       0),
            0u);
}

}  // namespace
