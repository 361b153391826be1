#pragma once
// Whether the first page of a PDF puts any ink on paper, seen as a printer would: rendered
// coarsely in grey (poppler's pdftoppm) and looked at for a pixel that is not white.

#include <chrono>
#include <filesystem>
#include <optional>

namespace platform::hosts {

// Nothing when the page cannot be rendered (pdftoppm missing, a damaged file, no answer
// within `limit`).
std::optional<bool> FirstPageHasInk(const std::filesystem::path& pdf,
                                    std::chrono::milliseconds limit);

}  // namespace platform::hosts
