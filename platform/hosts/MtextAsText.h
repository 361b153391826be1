#pragma once
// Multi-line text (MTEXT) as single-line TEXT records, one a line, placed as the lines of the
// paragraph would be: LibreOffice's DXF import draws TEXT but leaves MTEXT out.

#include <string>
#include <string_view>
#include <vector>

#include "platform/hosts/DxfRecord.h"

namespace platform::hosts {

// The lines of an MTEXT value with its formatting codes taken out: "\P" breaks the line,
// "\S1^2;" stacks as "1/2", "{\C1;red}" keeps "red", "\\" is a backslash.
std::vector<std::string> MtextLines(std::string_view value);

// The TEXT records for one MTEXT record, on its layer, in its colour and style; none for an
// MTEXT without text.
std::vector<DxfRecord> MtextAsText(const DxfRecord& mtext);

}  // namespace platform::hosts
