// The methodology note "paper.pdf", typeset from the text kept with the program.
#pragma once

#include <string>

namespace orbica::cli {

// Needs a GUI application object (see GuiSession). Returns false with a reason.
bool WritePaperPdf(const std::string& path, std::string& error);

}  // namespace orbica::cli
