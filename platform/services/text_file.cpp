#include "services/text_file.h"

#include <sys/stat.h>

#include "services/path_lookup.h"

namespace platform {

std::optional<TextFile> TextFile::OpenForUpdate(std::string_view programPath) {
    auto path = FindExistingPath(programPath);
    if (!path) return std::nullopt;
    std::FILE* file = std::fopen(path->c_str(), "r+");
    if (!file) return std::nullopt;
    TextFile opened(file);
    struct stat status {};
    // Root may open any file for writing; the missing write bits still mark it read-only.
    if (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode) || (status.st_mode & 0222) == 0)
        return std::nullopt;
    return opened;
}

bool TextFile::ReadLine(std::string& line, std::size_t keepAtMost) {
    line.clear();
    std::FILE* file = file_.get();
    int c = getc_unlocked(file);
    if (c == EOF) return false;
    bool pendingCarriageReturn = false;
    auto keep = [&](char character) {
        if (line.size() < keepAtMost) line += character;
    };
    while (c != EOF && c != '\n') {
        if (pendingCarriageReturn) keep('\r');
        pendingCarriageReturn = (c == '\r');
        if (!pendingCarriageReturn) keep(static_cast<char>(c));
        c = getc_unlocked(file);
    }
    return true;
}

}  // namespace platform
