#include "app/VendorNotice.h"

std::string NoticeForYear(const std::string& notice, int year) {
  constexpr char kDesignYear[] = "2013";
  if (year <= 2013) {
    return notice;
  }
  const std::string current = std::to_string(year);
  std::string updated;
  size_t from = 0;
  for (size_t at = notice.find(kDesignYear); at != std::string::npos;
       at = notice.find(kDesignYear, from)) {
    updated.append(notice, from, at - from).append(current);
    from = at + sizeof kDesignYear - 1;
  }
  return updated.append(notice, from);
}
