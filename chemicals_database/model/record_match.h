#pragma once

#include <string_view>
#include <vector>

#include "chemicals_database/model/search_command.h"

// Whether one record meets a command: lines holds the record's lines, its backslash line first.
// Every criterion must match at least one of its lines; a line of 49 characters or more is seen as
// empty. Numeric lines match within the tolerance (strictly); other lines contain the value, or
// equal it when the criterion compares whole lines. Without criteria, line bareLine must contain
// (or, for "sk", equal) the bare word.
bool MatchRecord(const std::vector<std::string_view>& lines, const SearchCommand& command, float tolerance,
                 int bareLine);
