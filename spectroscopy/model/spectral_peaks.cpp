#include "spectroscopy/model/spectral_peaks.h"

#include <cstdlib>
#include <string>

std::vector<float> ReadPeakList(std::string_view line, bool positiveOnly) {
  std::vector<float> peaks;
  std::string number;
  auto close = [&] {
    if (number.empty()) return;
    const float value = static_cast<float>(std::atof(number.c_str()));
    if (!positiveOnly || value > 0) peaks.push_back(value);
    number.clear();
  };
  const std::string_view scanned = line.substr(0, PeakLineScanLimit);
  for (const char c : scanned) {
    if (c == '\n') return peaks;
    if ((c >= '0' && c <= '9') || c == '.' || c == '-') {
      number += c;
      if (number.size() >= PeakNumberTextLimit) return peaks;
    } else if (c == ' ') {
      close();
    }
    if (peaks.size() >= PeakListLimit) return peaks;
  }
  close();
  if (peaks.size() > PeakListLimit) peaks.resize(PeakListLimit);
  return peaks;
}
