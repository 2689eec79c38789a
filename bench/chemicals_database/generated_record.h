#pragma once
// A generated record of the shape the shipped database has: four names, numbers, a safety text of
// ten sections, in the program's own format (200 lines, the first its backslash line).
#include <string>

inline std::string GeneratedRecord(int number, const std::string& name) {
  std::string lines[201];
  lines[3] = name;
  lines[4] = "ALTERNATIVE NAME " + std::to_string(number);
  lines[5] = std::to_string(100 + number) + "-00-" + std::to_string(number % 10);
  lines[7] = "ENGLISH NAME " + std::to_string(number);
  lines[8] = "C" + std::to_string(1 + number % 20) + "H" + std::to_string(2 + number % 30) + "O2";
  lines[10] = std::to_string(50.0 + number % 400);
  lines[14] = "colourless";
  lines[22] = "liquid";
  lines[41] = "0.9" + std::to_string(number % 10);
  lines[54] = std::to_string(-100 + number % 200);
  lines[73] = std::to_string(50 + number % 300);
  lines[169] = "N";
  lines[170] = "Xn";
  lines[171] = "F";
  for (int section = 0; section < 10; ++section)
    lines[199] +=
        "Section " + std::to_string(section) + " text of a safety data sheet, about a hundred characters long\a|";
  std::string text = "\\\n";
  for (int line = 2; line <= 200; ++line) text += lines[line] + '\n';
  return text;
}
