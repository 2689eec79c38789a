#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A text file opened for update and read line by line. A file that cannot be
// opened for update (missing, a folder, or marked read-only by having no write
// permission bit) does not open, so the program treats it as missing.
class TextFile {
public:
    static std::optional<TextFile> OpenForUpdate(std::string_view programPath);

    // Reads the next line without its line end (LF, CR LF, or a CR that ends the
    // file). Keeps at most keepAtMost characters of a longer line and skips the
    // rest of it. False at the end of the file, when no line is left.
    bool ReadLine(std::string& line, std::size_t keepAtMost = std::string::npos);

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    explicit TextFile(std::FILE* file) : file_(file) {}
    std::unique_ptr<std::FILE, Closer> file_;
};

}  // namespace platform
