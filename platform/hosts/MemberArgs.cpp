#include "platform/hosts/MemberArgs.h"

#include <charconv>

#include "platform/AsciiCase.h"
#include "platform/automation/OleError.h"

namespace platform::hosts {
namespace {

bool IsSkipped(const Variant& value) {
  return value.BaseType() == VT_ERROR && value.Scode() == DISP_E_PARAMNOTFOUND;
}

[[noreturn]] void Mismatch() {
  throw EOleSysError(DISP_E_TYPEMISMATCH);
}

}  // namespace

MemberArgs::MemberArgs(const std::vector<Variant>& positional, const std::vector<NamedArg>& named,
                       const std::vector<std::string>& parameters)
    : values_(parameters.size(), Variant::Omitted()) {
  if (positional.size() > parameters.size()) throw EOleSysError(DISP_E_BADPARAMCOUNT);
  std::copy(positional.begin(), positional.end(), values_.begin());
  for (const NamedArg& arg : named) {
    size_t slot = 0;
    while (slot < parameters.size() && !SameTextAscii(parameters[slot], arg.Name)) ++slot;
    if (slot == parameters.size() || slot < positional.size()) {
      throw EOleSysError(DISP_E_PARAMNOTFOUND);
    }
    values_[slot] = arg.Value;
  }
}

bool MemberArgs::Has(size_t index) const {
  return index < values_.size() && !IsSkipped(values_[index]);
}

const Variant& MemberArgs::At(size_t index) const {
  if (!Has(index)) throw EOleSysError(DISP_E_BADPARAMCOUNT);
  return values_[index];
}

std::string MemberArgs::Text(size_t index) const {
  return TextOf(At(index));
}

int32_t MemberArgs::Int(size_t index, int32_t fallback) const {
  return Has(index) ? IntOf(values_[index]) : fallback;
}

bool MemberArgs::Bool(size_t index, bool fallback) const {
  return Has(index) ? BoolOf(values_[index]) : fallback;
}

std::string MemberArgs::TextOf(const Variant& value) {
  switch (value.BaseType()) {
    case VT_EMPTY:
      return "";
    case VT_BSTR:
      return value.Text();
    case VT_I4:
      return std::to_string(value.Int());
    case VT_BOOL:
      return value.Bool() != 0 ? "True" : "False";
    default:
      Mismatch();
  }
}

int32_t MemberArgs::IntOf(const Variant& value) {
  switch (value.BaseType()) {
    case VT_EMPTY:
      return 0;
    case VT_I4:
      return value.Int();
    case VT_BOOL:
      return value.Bool();
    case VT_BSTR: {
      const std::string& text = value.Text();
      int32_t number = 0;
      auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
      if (error != std::errc() || end != text.data() + text.size() || text.empty()) Mismatch();
      return number;
    }
    default:
      Mismatch();
  }
}

bool MemberArgs::BoolOf(const Variant& value) {
  if (value.BaseType() == VT_BSTR) {
    if (SameTextAscii(value.Text(), "True")) return true;
    if (SameTextAscii(value.Text(), "False")) return false;
  }
  return IntOf(value) != 0;
}

}  // namespace platform::hosts
