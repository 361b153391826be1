#include "platform/win32/ComDispatch.h"

#include <gtest/gtest.h>

#include "platform/automation/DispatchInvoke.h"
#include "platform/automation/OleError.h"
#include "platform/win32/ComRuntime.h"
#include "tests/support/win32/ScriptedComServer.h"

namespace {

using platform::Variant;
using Texts = std::vector<std::string>;

// Calls through the system's COM to the scripted server, which records what arrived.
class ComDispatchTest : public testing::Test {
 protected:
  ComDispatchTest() {
    std::shared_ptr<platform::IDispatch> object;
    EXPECT_EQ(runtime.CoCreateInstance(testsupport::ScriptedComServer::Clsid(),
                                       platform::CLSCTX_INPROC_SERVER, object),
              platform::S_OK);
    app = Variant::FromDispatch(object);
  }

  Variant Call(const Variant& object, uint16_t kind, const std::string& name,
               const std::vector<Variant>& args = {},
               const std::vector<platform::NamedArg>& named = {}) {
    return platform::DispatchInvoke(object, kind, name, args, named);
  }
  Variant Echo(const Variant& value) {
    return Call(app, platform::DISPATCH_METHOD, "Echo", {value});
  }

  platform::win32::ComRuntime runtime;
  testsupport::ScriptedComServer server{"Sheafmill.ScriptedServer", "Word"};
  Variant app;
};

TEST_F(ComDispatchTest, ArgumentsArriveInCallOrderWithTheirTypesAndNames) {
  const Variant documents =
      Call(app, platform::DISPATCH_METHOD | platform::DISPATCH_PROPERTYGET, "Documents");
  Call(documents, platform::DISPATCH_METHOD, "Open",
       {Variant::FromText("C:\\Übersicht\\Maße €.doc").ByRef(), Variant::FromInt(-7),
        Variant::FromBool(true), Variant::Omitted(), Variant::FromText("zwei")},
       {{"ReadOnly", Variant::FromBool(false)}, {"Format", Variant::FromInt(97)}});
  Call(app, platform::DISPATCH_PROPERTYPUT, "DisplayAlerts", {Variant::FromBool(false)});
  Call(documents, platform::DISPATCH_PROPERTYGET, "Item", {Variant::FromInt(1), Variant()});

  EXPECT_EQ(server.CallTexts(),
            (Texts{"Word: method|get Documents()",
                   "Word.Documents: method Open(BSTR& \"C:\\Übersicht\\Maße €.doc\", I4 -7, "
                   "BOOL -1, ERROR& 80020004, BSTR \"zwei\", ReadOnly:=BOOL 0, Format:=I4 97)",
                   "Word: put DisplayAlerts(BOOL 0)", "Word.Documents: get Item(I4 1, EMPTY)"}));
}

TEST_F(ComDispatchTest, ResultsComeBackAsThePlatformsValues) {
  EXPECT_EQ(Echo(Variant::FromText("Grüße, 日本")).Text(), "Grüße, 日本");
  EXPECT_EQ(Echo(Variant::FromText("")).Text(), "");
  EXPECT_EQ(Echo(Variant::FromInt(-2147483647 - 1)).Int(), -2147483647 - 1);
  EXPECT_EQ(Echo(Variant::FromBool(true)), Variant::FromBool(true));
  EXPECT_EQ(Echo(Variant::FromBool(false)), Variant::FromBool(false));
  EXPECT_EQ(Echo(Variant::FromError(platform::DISP_E_PARAMNOTFOUND)).Scode(),
            platform::DISP_E_PARAMNOTFOUND);
  EXPECT_TRUE(Echo(Variant()).IsEmpty());
  // A value passed by reference comes back as a plain value.
  EXPECT_EQ(Echo(Variant::FromText("by ref").ByRef()), Variant::FromText("by ref"));

  // An object that came from the server goes back to it, and comes back still callable.
  const Variant documents = Call(app, platform::DISPATCH_PROPERTYGET, "Documents");
  const Variant again = Echo(documents);
  ASSERT_EQ(again.BaseType(), platform::VT_DISPATCH);
  Call(again, platform::DISPATCH_METHOD, "Close");
  EXPECT_EQ(server.CallTexts().back(), "Word.Documents: method Close()");
  EXPECT_EQ(server.CallTexts().end()[-2], "Word: method Echo(DISPATCH)");
}

TEST_F(ComDispatchTest, AnObjectOfThePlatformsOwnCannotBePassed) {
  // Not COM's: a platform object that the wrapper cannot hand over.
  struct Local : platform::IDispatch {
    platform::HRESULT GetIDsOfNames(const std::vector<std::string>&,
                                    std::vector<platform::DISPID>&) override {
      return platform::E_NOTIMPL;
    }
    platform::HRESULT Invoke(platform::DISPID, uint16_t, const platform::DispParams&, Variant*,
                             platform::ExcepInfo*) override {
      return platform::E_NOTIMPL;
    }
  };
  try {
    Echo(Variant::FromDispatch(std::make_shared<Local>()));
    FAIL() << "passed";
  } catch (const platform::EOleSysError& error) {
    EXPECT_EQ(error.ErrorCode(), platform::DISP_E_TYPEMISMATCH);
  }
  EXPECT_EQ(server.CallTexts(), Texts{}) << "nothing reached the server";
}

TEST_F(ComDispatchTest, AnExceptionInTheServerCarriesItsDescription) {
  server.Fail("Word.Documents", "Open", "Das Dokument „Maße.doc“ ist beschädigt.");
  const Variant documents = Call(app, platform::DISPATCH_PROPERTYGET, "Documents");
  try {
    Call(documents, platform::DISPATCH_METHOD, "Open", {Variant::FromText("C:\\Maße.doc")});
    FAIL() << "no exception";
  } catch (const platform::EOleException& error) {
    EXPECT_EQ(error.Message(), "Das Dokument „Maße.doc“ ist beschädigt.");
    EXPECT_EQ(error.Source(), "Word");
    EXPECT_EQ(error.ErrorCode(), 0x800A1066u);
  }
}

TEST_F(ComDispatchTest, AnUnknownMemberFailsWithItsCode) {
  server.Forget("Word", "Dialogs");
  try {
    Call(app, platform::DISPATCH_PROPERTYGET, "Dialogs");
    FAIL() << "found";
  } catch (const platform::EOleSysError& error) {
    EXPECT_EQ(error.ErrorCode(), platform::DISP_E_UNKNOWNNAME);
    EXPECT_EQ(error.Message(), "Unknown name.");
  }
  EXPECT_EQ(server.CallTexts(), Texts{});
}

TEST_F(ComDispatchTest, TheServerObjectEndsWithItsLastHolder) {
  Variant documents = Call(app, platform::DISPATCH_PROPERTYGET, "Documents");
  Variant copy = app;
  EXPECT_EQ(server.Alive(), 1);
  app.Clear();
  EXPECT_EQ(server.Alive(), 1) << "the copy still holds it";
  Call(copy, platform::DISPATCH_METHOD, "Quit");
  copy.Clear();
  EXPECT_EQ(server.Alive(), 0);
  // A sub-object outlives the application's handle with a reference of its own.
  Call(documents, platform::DISPATCH_METHOD, "Close");
  EXPECT_EQ(server.CallTexts().back(), "Word.Documents: method Close()");
}

}  // namespace
