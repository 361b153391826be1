#include "platform/hosts/OfficeInstallation.h"

#include <unistd.h>
#include <fstream>
#include <sstream>

namespace platform::hosts {
namespace {

// The text of `<prop oor:name="name"><value>text</value>` in a configuration file.
std::string ConfigValue(const std::string& xml, const std::string& name) {
  size_t prop = xml.find("<prop oor:name=\"" + name + "\">");
  if (prop == std::string::npos) return "";
  size_t start = xml.find("<value>", prop);
  size_t end = xml.find("</value>", start);
  if (start == std::string::npos || end == std::string::npos) return "";
  start += 7;
  return xml.substr(start, end - start);
}

}  // namespace

std::optional<OfficeInstallation> OfficeInstallation::Find(
    const std::filesystem::path& programFolder) {
  OfficeInstallation office{programFolder, "", ""};
  if (::access(office.Executable().c_str(), X_OK) != 0) return std::nullopt;
  std::ifstream in(programFolder / ".." / "share" / "registry" / "main.xcd");
  std::stringstream xml;
  xml << in.rdbuf();
  office.version = ConfigValue(xml.str(), "ooSetupVersion");
  office.fullVersion = ConfigValue(xml.str(), "ooSetupVersionAboutBox");
  if (office.version.empty()) return std::nullopt;
  if (office.fullVersion.empty()) office.fullVersion = office.version;
  return office;
}

}  // namespace platform::hosts
