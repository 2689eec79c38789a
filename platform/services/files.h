#pragma once

// The program's files, named with backslashes and matched without regard to case.
#include "platform/services/file_rewrite.h"
#include "platform/services/path_lookup.h"
#include "platform/services/rewrite_lock.h"
#include "platform/services/text_file.h"
