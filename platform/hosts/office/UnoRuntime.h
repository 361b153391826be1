#pragma once
// The office API's runtime inside this process: one component context for the whole process,
// which knows the office's types (the bridge needs their descriptions to talk to the office).

#include <filesystem>

#include <com/sun/star/uno/XComponentContext.hpp>

namespace platform::hosts::uno {

// Made at the first call from the installation in `programFolder`, then shared; from then on
// the process ignores SIGPIPE unless it handles it itself. Raises platform::Error when the
// runtime cannot start.
com::sun::star::uno::Reference<com::sun::star::uno::XComponentContext> LocalContext(
    const std::filesystem::path& programFolder);

}  // namespace platform::hosts::uno
