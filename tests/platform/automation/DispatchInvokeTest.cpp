#include "platform/automation/DispatchInvoke.h"

#include <gtest/gtest.h>

#include "platform/automation/Dispatch.h"
#include "platform/automation/OleError.h"

namespace platform {
namespace {

// A bare server object: numbers names in the order asked, notes what reaches Invoke and
// answers as told.
class Raw : public IDispatch {
 public:
  HRESULT GetIDsOfNames(const std::vector<std::string>& names, std::vector<DISPID>& ids) override {
    lookedUp = names;
    ids.clear();
    for (const std::string& name : names) {
      ids.push_back(name == unknown ? DISPID_UNKNOWN : static_cast<DISPID>(100 + ids.size()));
    }
    return std::find(names.begin(), names.end(), unknown) == names.end() ? S_OK
                                                                         : DISP_E_UNKNOWNNAME;
  }
  HRESULT Invoke(DISPID member, uint16_t flags, const DispParams& params, Variant* result,
                 ExcepInfo* excepInfo) override {
    invokedId = member;
    invokedFlags = flags;
    received = params;
    resultAsked = result != nullptr;
    if (result) *result = answer;
    if (answerCode == DISP_E_EXCEPTION) *excepInfo = raised;
    return answerCode;
  }

  std::string unknown;
  Variant answer;
  HRESULT answerCode = S_OK;
  ExcepInfo raised;

  std::vector<std::string> lookedUp;
  DISPID invokedId = 0;
  uint16_t invokedFlags = 0;
  DispParams received;
  bool resultAsked = false;
};

class DispatchInvokeTest : public testing::Test {
 protected:
  std::shared_ptr<Raw> raw = std::make_shared<Raw>();
  Variant object = Variant::FromDispatch(raw);
};

TEST_F(DispatchInvokeTest, LooksUpTheMemberThenTheArgumentNames) {
  raw->answer = Variant::FromInt(7);
  Variant result = DispatchInvoke(object, DISPATCH_METHOD, "Open", {Variant::FromInt(1)},
                                  {{"FileName", Variant::FromText("C:\\A.DOC").ByRef()},
                                   {"ReadOnly", Variant::FromBool(true)}});
  EXPECT_EQ(raw->lookedUp, (std::vector<std::string>{"Open", "FileName", "ReadOnly"}));
  EXPECT_EQ(raw->invokedId, 100);
  EXPECT_EQ(raw->invokedFlags, DISPATCH_METHOD);
  EXPECT_EQ(raw->received.Args, (std::vector<Variant>{Variant::FromInt(1)}));
  ASSERT_EQ(raw->received.Named.size(), 2u);
  EXPECT_EQ(raw->received.Named[0].first, 101);
  EXPECT_EQ(raw->received.Named[0].second, Variant::FromText("C:\\A.DOC").ByRef());
  EXPECT_EQ(raw->received.Named[1].first, 102);
  EXPECT_EQ(raw->received.Named[1].second, Variant::FromBool(true));
  EXPECT_EQ(result, Variant::FromInt(7));
}

TEST_F(DispatchInvokeTest, APropertyWritePassesItsValueAsThePropertyPutArgument) {
  DispatchInvoke(object, DISPATCH_PROPERTYPUT, "Printer", {Variant::FromText("PDF")});
  EXPECT_EQ(raw->invokedFlags, DISPATCH_PROPERTYPUT);
  EXPECT_TRUE(raw->received.Args.empty());
  ASSERT_EQ(raw->received.Named.size(), 1u);
  EXPECT_EQ(raw->received.Named[0].first, DISPID_PROPERTYPUT);
  EXPECT_EQ(raw->received.Named[0].second, Variant::FromText("PDF"));
  EXPECT_FALSE(raw->resultAsked);
  EXPECT_THROW(DispatchInvoke(object, DISPATCH_PROPERTYPUT, "Printer"), EOleSysError);
}

TEST_F(DispatchInvokeTest, AnUnknownNameIsNotInvoked) {
  raw->unknown = "Execute";
  try {
    DispatchInvoke(object, DISPATCH_METHOD, "Execute");
    FAIL() << "no error";
  } catch (const EOleSysError& e) {
    EXPECT_EQ(e.ErrorCode(), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(e.Message(), "Unknown name.");
  }
  EXPECT_EQ(raw->invokedId, 0);
}

TEST_F(DispatchInvokeTest, AServerExceptionCarriesItsDescription) {
  raw->answerCode = DISP_E_EXCEPTION;
  raw->raised = {"Microsoft Word", "This file could not be found.", 0x800A141F};
  try {
    DispatchInvoke(object, DISPATCH_METHOD, "Open");
    FAIL() << "no error";
  } catch (const EOleException& e) {
    EXPECT_EQ(e.Message(), "This file could not be found.");
    EXPECT_EQ(e.ErrorCode(), 0x800A141Fu);
    EXPECT_EQ(e.Source(), "Microsoft Word");
  }
  raw->raised = {};
  try {
    DispatchInvoke(object, DISPATCH_METHOD, "Open");
    FAIL() << "no error";
  } catch (const EOleException& e) {
    EXPECT_EQ(e.Message(), "Exception occurred.");
    EXPECT_EQ(e.ErrorCode(), DISP_E_EXCEPTION);
  }
}

TEST_F(DispatchInvokeTest, AnErrorResultRaisesItsCode) {
  raw->answerCode = DISP_E_TYPEMISMATCH;
  try {
    DispatchInvoke(object, DISPATCH_PROPERTYGET, "Item", {Variant::FromInt(1)});
    FAIL() << "no error";
  } catch (const EOleSysError& e) {
    EXPECT_EQ(e.ErrorCode(), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(e.Message(), "Type mismatch.");
  }
}

TEST_F(DispatchInvokeTest, OnlyAHeldObjectCanBeCalled) {
  for (const Variant& notAnObject :
       {Variant(), Variant::FromInt(1), Variant::FromDispatch(nullptr)}) {
    try {
      DispatchInvoke(notAnObject, DISPATCH_METHOD, "Quit");
      FAIL() << "no error";
    } catch (const EOleError& e) {
      EXPECT_EQ(e.Message(), "Variant does not reference an automation object");
    }
  }
}

}  // namespace
}  // namespace platform
