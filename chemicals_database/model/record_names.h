#pragma once
// The names of the database's records, as the database window's name list offers them, and the
// listed files the window cannot reach.
#include <string>
#include <vector>

struct DatabaseNames {
  // Record line 3 of every record of the listed files, end files left out, in file order; names
  // longer than 255 characters are cut, empty names left out.
  std::vector<std::string> names;
  // False when the list file is missing or names no database file.
  bool listed = false;
  // The listed files that are missing or cannot be read (a folder, no read permission), as the
  // list names them; the others are read all the same.
  std::vector<std::string> unreachable;
};

DatabaseNames ReadRecordNames(int languageCode);
