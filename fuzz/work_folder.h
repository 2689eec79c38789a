#pragma once
// A working folder of its own for the fuzz targets that read and write the program's data files,
// made fresh under the fastest temporary folder at hand with the folders the program names
// ("dats\datfiles\atomdata") and removed when the target ends. Each input runs inside it; the
// fuzzer's own reading and writing of inputs stays in the folder it was started in.
#include <functional>
#include <string>
#include <string_view>

void MakeFuzzWorkFolder();

// Runs check with the work folder as the working folder; a check that does not hold ends the
// target (after the working folder is back) so the fuzzer reports the input.
void CheckInFuzzWorkFolder(const std::function<bool()>& check);

// The whole contents of a file, and a file replaced by bytes (its permission bits set to mode).
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, std::string_view bytes, unsigned mode = 0644);
