// sheafmill-reg: reads and changes the current user's registry store from the command line.

#include <iostream>

#include "platform/Error.h"
#include "tools/reg/RegTool.h"

int main(int argc, char** argv) {
  try {
    platform::RegistryStore store(platform::RegistryStore::UserFolder());
    tools::RegTool tool(store, std::cin, std::cout, std::cerr);
    return tool.Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& error) {
    std::cerr << "ERROR: " << error.what() << "\n";
    return 1;
  }
}
