#include "tests/support/win32/server/PrinterOutput.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace scriptedserver {
namespace {

constexpr wchar_t kDriverKey[] = L"Software\\Quillby\\Varnel";

// A one-page PDF with its cross-reference table at the right offsets.
std::string MinimalPdf() {
  const std::vector<std::string> objects = {
      "<< /Type /Catalog /Pages 2 0 R >>",
      "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
      "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] >>",
  };
  std::string pdf = "%PDF-1.4\n";
  std::vector<size_t> offsets;
  for (size_t i = 0; i < objects.size(); ++i) {
    offsets.push_back(pdf.size());
    pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
  }
  const size_t table = pdf.size();
  pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
  for (size_t offset : offsets) {
    char entry[24];
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
    pdf += entry;
  }
  pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
         " /Root 1 0 R >>\nstartxref\n" + std::to_string(table) + "\n%%EOF\n";
  return pdf;
}

bool Is64BitWindows() {
  BOOL wow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

// The file name without its folder and from its last "." on.
std::wstring StemOf(const std::wstring& document) {
  const size_t slash = document.find_last_of(L"\\/:");
  std::wstring name = slash == std::wstring::npos ? document : document.substr(slash + 1);
  const size_t dot = name.rfind(L'.');
  return dot == std::wstring::npos ? name : name.substr(0, dot);
}

std::wstring AutomaticFolder() {
  DWORD output = 0;
  DWORD size = sizeof output;
  if (RegGetValueW(HKEY_CURRENT_USER, kDriverKey, L"AutomaticOutput", RRF_RT_REG_DWORD, nullptr,
                   &output, &size) != ERROR_SUCCESS ||
      (output != 1 && output != 3)) {
    return {};
  }
  wchar_t folder[MAX_PATH] = L"";
  size = sizeof folder;
  if (RegGetValueW(HKEY_CURRENT_USER, kDriverKey, L"AutomaticPath", RRF_RT_REG_SZ, nullptr, folder,
                   &size) != ERROR_SUCCESS) {
    return {};
  }
  return folder;
}

}  // namespace

void PrintToDriver(const std::wstring& document) {
  const std::wstring folder = AutomaticFolder();
  if (folder.empty()) return;
  const std::wstring name = Is64BitWindows() ? L"output.pdf.pdf" : StemOf(document) + L"000.pdf";
  HANDLE file = CreateFileW((folder + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string pdf = MinimalPdf();
  DWORD written = 0;
  WriteFile(file, pdf.data(), static_cast<DWORD>(pdf.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace scriptedserver
