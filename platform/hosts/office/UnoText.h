#pragma once
// Small conversions between the office API's types and ours: texts, file URLs, property lists.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/uno/Sequence.hxx>
#include <rtl/ustring.hxx>

namespace platform::hosts::uno {

inline rtl::OUString ToOUString(const std::string& text) {
  return rtl::OStringToOUString(rtl::OString(text.data(), static_cast<sal_Int32>(text.size())),
                                RTL_TEXTENCODING_UTF8);
}

inline std::string ToUtf8(const rtl::OUString& text) {
  rtl::OString utf8 = rtl::OUStringToOString(text, RTL_TEXTENCODING_UTF8);
  return std::string(utf8.getStr(), static_cast<size_t>(utf8.getLength()));
}

// "file:///..." with every byte that needs it escaped: a name that is not UTF-8 keeps its
// bytes.
rtl::OUString FileUrl(const std::filesystem::path& path);

inline com::sun::star::beans::PropertyValue Property(const char* name,
                                                     const com::sun::star::uno::Any& value) {
  com::sun::star::beans::PropertyValue property;
  property.Name = rtl::OUString::createFromAscii(name);
  property.Value = value;
  return property;
}

inline com::sun::star::uno::Sequence<com::sun::star::beans::PropertyValue> Properties(
    const std::vector<com::sun::star::beans::PropertyValue>& properties) {
  return {properties.data(), static_cast<sal_Int32>(properties.size())};
}

}  // namespace platform::hosts::uno
