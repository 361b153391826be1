#include "platform/automation/DispatchObject.h"

#include <gtest/gtest.h>

#include "platform/AsciiCase.h"
#include "platform/automation/OleError.h"

namespace platform {
namespace {

// Knows "Open" and "Name"; notes the calls it answers and raises what it is told to.
class Document : public DispatchObject {
 public:
  std::vector<Call> calls;
  std::function<void()> raise;

 protected:
  bool HasMember(const std::string& name) const override {
    return SameTextAscii(name, "Open") || SameTextAscii(name, "Name");
  }
  Variant OnInvoke(const Call& call) override {
    calls.push_back(call);
    if (raise) raise();
    return Variant::FromText(call.Name);
  }
};

class DispatchObjectTest : public testing::Test {
 protected:
  std::shared_ptr<Document> document = std::make_shared<Document>();
  Variant object = Variant::FromDispatch(document);
};

TEST_F(DispatchObjectTest, CallsArriveByNameWithTheirArguments) {
  Variant result = DispatchInvoke(object, DISPATCH_METHOD | DISPATCH_PROPERTYGET, "Open",
                                  {Variant::FromInt(0)}, {{"ReadOnly", Variant::FromBool(true)}});
  DispatchInvoke(object, DISPATCH_PROPERTYPUT, "Name", {Variant::FromText("a")});
  ASSERT_EQ(document->calls.size(), 2u);
  EXPECT_EQ(document->calls[0].Kind, DISPATCH_METHOD | DISPATCH_PROPERTYGET);
  EXPECT_EQ(document->calls[0].Name, "Open");
  EXPECT_EQ(document->calls[0].Args, (std::vector<Variant>{Variant::FromInt(0)}));
  ASSERT_EQ(document->calls[0].Named.size(), 1u);
  EXPECT_EQ(document->calls[0].Named[0].Name, "ReadOnly");
  EXPECT_EQ(document->calls[0].Named[0].Value, Variant::FromBool(true));
  EXPECT_EQ(result, Variant::FromText("Open"));
  EXPECT_EQ(document->calls[1].Kind, DISPATCH_PROPERTYPUT);
  EXPECT_EQ(document->calls[1].Args, (std::vector<Variant>{Variant::FromText("a")}));
}

TEST_F(DispatchObjectTest, NamesIgnoreLetterCaseAndKeepTheirIds) {
  std::vector<DISPID> first, second;
  EXPECT_EQ(document->GetIDsOfNames({"Open", "FileName"}, first), S_OK);
  EXPECT_EQ(document->GetIDsOfNames({"OPEN", "filename"}, second), S_OK);
  EXPECT_EQ(first, second);
  EXPECT_NE(first[0], first[1]);
  EXPECT_EQ(document->GetIDsOfNames({"Close"}, second), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(second, (std::vector<DISPID>{DISPID_UNKNOWN}));
}

TEST_F(DispatchObjectTest, MalformedInvokesAreRefused) {
  std::vector<DISPID> ids;
  ASSERT_EQ(document->GetIDsOfNames({"Name", "FileName"}, ids), S_OK);
  Variant result;
  ExcepInfo info;
  EXPECT_EQ(document->Invoke(ids[1], DISPATCH_METHOD, {}, &result, &info), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(document->Invoke(999, DISPATCH_METHOD, {}, &result, &info), DISP_E_MEMBERNOTFOUND);
  // A property write whose value does not come as the property-put argument.
  EXPECT_EQ(document->Invoke(ids[0], DISPATCH_PROPERTYPUT, {{Variant::FromText("a")}, {}}, nullptr,
                             &info),
            DISP_E_PARAMNOTFOUND);
  EXPECT_EQ(document->Invoke(ids[0], DISPATCH_METHOD, {{}, {{12345, Variant()}}}, &result, &info),
            DISP_E_PARAMNOTFOUND);
  EXPECT_TRUE(document->calls.empty());
}

TEST_F(DispatchObjectTest, RaisedErrorsBecomeTheClientsErrors) {
  document->raise = [] { throw EOleException("Printer not accepted.", DISP_E_EXCEPTION, "Doc"); };
  try {
    DispatchInvoke(object, DISPATCH_METHOD, "Open");
    FAIL() << "no error";
  } catch (const EOleException& e) {
    EXPECT_EQ(e.Message(), "Printer not accepted.");
    EXPECT_EQ(e.Source(), "Doc");
  }
  document->raise = [] { throw EOleSysError(E_NOTIMPL); };
  try {
    DispatchInvoke(object, DISPATCH_METHOD, "Open");
    FAIL() << "no error";
  } catch (const EOleException&) {
    FAIL() << "a bare result code is no exception";
  } catch (const EOleSysError& e) {
    EXPECT_EQ(e.ErrorCode(), E_NOTIMPL);
  }
  document->raise = [] { throw EInOutError(5); };
  try {
    DispatchInvoke(object, DISPATCH_METHOD, "Open");
    FAIL() << "no error";
  } catch (const EOleException& e) {
    EXPECT_EQ(e.Message(), "File access denied");
    EXPECT_EQ(e.ErrorCode(), DISP_E_EXCEPTION);
  }
}

}  // namespace
}  // namespace platform
