#include "platform/automation/Variant.h"

#include <gtest/gtest.h>

#include "platform/automation/Dispatch.h"
#include "platform/automation/OleError.h"

namespace platform {
namespace {

// A server object that tells when its last reference is released.
class Ending : public IDispatch {
 public:
  explicit Ending(bool& ended) : ended_(ended) {}
  ~Ending() override { ended_ = true; }
  HRESULT GetIDsOfNames(const std::vector<std::string>&, std::vector<DISPID>&) override {
    return E_NOTIMPL;
  }
  HRESULT Invoke(DISPID, uint16_t, const DispParams&, Variant*, ExcepInfo*) override {
    return E_NOTIMPL;
  }

 private:
  bool& ended_;
};

TEST(VariantTest, HoldsEachTypeWithItsValue) {
  EXPECT_EQ(Variant().VarType(), VT_EMPTY);
  EXPECT_TRUE(Variant().IsEmpty());
  EXPECT_EQ(Variant::FromText("C:\\A.DOC").VarType(), VT_BSTR);
  EXPECT_EQ(Variant::FromText("C:\\A.DOC").Text(), "C:\\A.DOC");
  EXPECT_EQ(Variant::FromInt(-1).VarType(), VT_I4);
  EXPECT_EQ(Variant::FromInt(-1).Int(), -1);
  EXPECT_EQ(Variant::FromBool(true).VarType(), VT_BOOL);
  EXPECT_EQ(Variant::FromBool(true).Bool(), -1);
  EXPECT_EQ(Variant::FromBool(false).Bool(), 0);
  EXPECT_EQ(Variant::FromError(E_FAIL).VarType(), VT_ERROR);
  EXPECT_EQ(Variant::FromError(E_FAIL).Scode(), E_FAIL);
  EXPECT_EQ(Variant::FromDispatch(nullptr).VarType(), VT_DISPATCH);
}

TEST(VariantTest, ByReferenceKeepsTheValueAndMarksTheType) {
  Variant path = Variant::FromText("C:\\DOCS\\A.DOC").ByRef();
  EXPECT_EQ(path.VarType(), VT_BSTR | VT_BYREF);
  EXPECT_EQ(path.BaseType(), VT_BSTR);
  EXPECT_TRUE(path.IsByRef());
  EXPECT_EQ(path.Text(), "C:\\DOCS\\A.DOC");
  EXPECT_NE(path, Variant::FromText("C:\\DOCS\\A.DOC"));
}

TEST(VariantTest, OmittedIsParamNotFoundByReference) {
  Variant omitted = Variant::Omitted();
  EXPECT_EQ(omitted.VarType(), VT_ERROR | VT_BYREF);
  EXPECT_EQ(omitted.Scode(), 0x80020004u);
}

TEST(VariantTest, AskingForAnotherTypeIsATypeMismatch) {
  try {
    (void)Variant::FromInt(97).Text();
    FAIL() << "no error";
  } catch (const EOleSysError& e) {
    EXPECT_EQ(e.ErrorCode(), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(e.Message(), "Type mismatch.");
  }
  EXPECT_THROW((void)Variant::FromBool(true).Int(), EOleSysError);
  EXPECT_THROW((void)Variant().Dispatch(), EOleSysError);
}

TEST(VariantTest, TheLastReleaseEndsTheServerObject) {
  bool ended = false;
  Variant held = Variant::FromDispatch(std::make_shared<Ending>(ended));
  Variant copy = held;
  held.Clear();
  EXPECT_TRUE(held.IsEmpty());
  EXPECT_FALSE(ended) << "the copy still holds a reference";
  copy = Variant::FromInt(0);
  EXPECT_TRUE(ended);
}

}  // namespace
}  // namespace platform
