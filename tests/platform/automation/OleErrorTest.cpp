#include "platform/automation/OleError.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(OleErrorTest, MessagesFollowTheResultCode) {
  EXPECT_EQ(EOleSysError(CO_E_CLASSSTRING).Message(), "Invalid class string");
  EXPECT_EQ(EOleSysError(DISP_E_UNKNOWNNAME).Message(), "Unknown name.");
  EXPECT_EQ(EOleSysError(REGDB_E_CLASSNOTREG).Message(), "Class not registered");
  EXPECT_EQ(EOleSysError(MK_E_UNAVAILABLE).Message(), "Operation unavailable");
  EXPECT_EQ(EOleSysError(DISP_E_EXCEPTION).Message(), "Exception occurred.");
  EXPECT_EQ(EOleSysError(0x80001234).Message(), "OLE error 80001234");
  EXPECT_EQ(EOleSysError(REGDB_E_CLASSNOTREG).ErrorCode(), 0x80040154u);
}

TEST(OleErrorTest, AServersDescriptionIsTheMessage) {
  EOleException e("The document could not be opened.", DISP_E_EXCEPTION, "Word");
  EXPECT_EQ(e.Message(), "The document could not be opened.");
  EXPECT_EQ(e.ErrorCode(), DISP_E_EXCEPTION);
  EXPECT_EQ(e.Source(), "Word");
  EXPECT_EQ(EOleException("", E_FAIL).Message(), "Unspecified error");
}

TEST(OleErrorTest, OleCheckRaisesOnlyFailures) {
  EXPECT_NO_THROW(OleCheck(S_OK));
  EXPECT_NO_THROW(OleCheck(1));  // S_FALSE succeeds
  try {
    OleCheck(MK_E_UNAVAILABLE);
    FAIL() << "no error";
  } catch (const Error& e) {
    ASSERT_NE(dynamic_cast<const EOleSysError*>(&e), nullptr);
    EXPECT_EQ(dynamic_cast<const EOleSysError&>(e).ErrorCode(), MK_E_UNAVAILABLE);
  }
}

}  // namespace
}  // namespace platform
