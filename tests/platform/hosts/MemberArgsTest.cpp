#include "platform/hosts/MemberArgs.h"

#include <gtest/gtest.h>

#include "platform/automation/OleError.h"

namespace {

using platform::Variant;
using platform::hosts::MemberArgs;

const std::vector<std::string> kOpen = {"FileName", "ConfirmConversions", "ReadOnly"};

platform::HRESULT CodeOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const platform::EOleSysError& e) {
    return e.ErrorCode();
  }
  return platform::S_OK;
}

TEST(MemberArgsTest, ArgumentsComeByPositionOrByNameAndSkippedOnesTakeTheDefault) {
  MemberArgs args({Variant::FromText("a.doc").ByRef(), Variant::Omitted()},
                  {{"readonly", Variant::FromBool(true)}}, kOpen);
  EXPECT_EQ(args.Text(0), "a.doc");
  EXPECT_FALSE(args.Has(1));
  EXPECT_TRUE(args.Bool(1, true));
  EXPECT_TRUE(args.Bool(2, false));
  EXPECT_FALSE(args.Has(3));
}

TEST(MemberArgsTest, WrongCountsAndNamesGiveTheServersResultCodes) {
  std::vector<Variant> four(4, Variant::FromInt(1));
  EXPECT_EQ(CodeOf([&] { MemberArgs(four, {}, kOpen); }), platform::DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(CodeOf([&] {
              MemberArgs({}, {{"Password", Variant::FromText("x")}}, kOpen);
            }),
            platform::DISP_E_PARAMNOTFOUND);
  EXPECT_EQ(CodeOf([&] {
              MemberArgs({Variant::FromText("a")}, {{"FileName", Variant::FromText("b")}}, kOpen);
            }),
            platform::DISP_E_PARAMNOTFOUND)
      << "an argument given twice";
  EXPECT_EQ(CodeOf([&] { MemberArgs({}, {}, kOpen).Text(0); }), platform::DISP_E_BADPARAMCOUNT)
      << "a required argument missing";
}

TEST(MemberArgsTest, ValuesConvertAsVariantsDo) {
  EXPECT_EQ(MemberArgs::TextOf(Variant::FromInt(-12)), "-12");
  EXPECT_EQ(MemberArgs::TextOf(Variant()), "");
  EXPECT_EQ(MemberArgs::IntOf(Variant::FromBool(true)), -1);
  EXPECT_EQ(MemberArgs::IntOf(Variant::FromText("97")), 97);
  EXPECT_TRUE(MemberArgs::BoolOf(Variant::FromInt(1)));
  EXPECT_FALSE(MemberArgs::BoolOf(Variant::FromText("false")));
  EXPECT_TRUE(MemberArgs::BoolOf(Variant::FromText("-1")));
  for (const Variant& bad :
       {Variant::FromText("9x"), Variant::FromText(""), Variant::FromError(platform::E_FAIL)}) {
    EXPECT_EQ(CodeOf([&] { MemberArgs::IntOf(bad); }), platform::DISP_E_TYPEMISMATCH);
  }
  EXPECT_EQ(CodeOf([&] { MemberArgs::TextOf(Variant::FromError(platform::E_FAIL)); }),
            platform::DISP_E_TYPEMISMATCH);
}

}  // namespace
