#pragma once

// The program's files, named with backslashes and matched without regard to case.
#include "services/file_rewrite.h"
#include "services/path_lookup.h"
#include "services/text_file.h"
