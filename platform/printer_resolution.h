// The resolution CUPS reports for a printer.
#pragma once

#include <optional>
#include <string>

namespace sternwerk {

// The horizontal resolution in pixels per inch that a job on the named
// printer (the default printer when `name` is empty) gets without further
// choice: the queue's or the user's "Resolution" option when set, otherwise
// the printer's default resolution. Nothing without CUPS, without such a
// printer, or when it reports no resolution.
std::optional<int> CupsPrinterResolution(const std::string& name);

}  // namespace sternwerk
