#include "platform/printer_resolution.h"

#include <cups/cups.h>

#include <cmath>
#include <cstdlib>

namespace sternwerk {

namespace {

constexpr double kCentimetresPerInch = 2.54;

// "600dpi" or "600x300dpi": the horizontal resolution.
std::optional<int> ResolutionOption(const char* value) {
  char* end = nullptr;
  const long dpi = std::strtol(value, &end, 10);
  if (end == value || dpi <= 0) return std::nullopt;
  return static_cast<int>(dpi);
}

std::optional<int> DefaultResolution(cups_dest_t* dest) {
  cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest);
  if (info == nullptr) return std::nullopt;
  std::optional<int> dpi;
  if (ipp_attribute_t* resolution =
          cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution")) {
    int vertical = 0;
    ipp_res_t units = IPP_RES_PER_INCH;
    const int horizontal = ippGetResolution(resolution, 0, &vertical, &units);
    if (horizontal > 0) {
      dpi = units == IPP_RES_PER_CM
                ? static_cast<int>(std::lround(horizontal * kCentimetresPerInch))
                : horizontal;
    }
  }
  cupsFreeDestInfo(info);
  return dpi;
}

}  // namespace

std::optional<int> CupsPrinterResolution(const std::string& name) {
  cups_dest_t* dest =
      cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.empty() ? nullptr : name.c_str(), nullptr);
  if (dest == nullptr) return std::nullopt;
  const char* chosen = cupsGetOption("Resolution", dest->num_options, dest->options);
  const std::optional<int> dpi = chosen ? ResolutionOption(chosen) : DefaultResolution(dest);
  cupsFreeDests(1, dest);
  return dpi;
}

}  // namespace sternwerk
