#pragma once
// write_fault_shim.cpp is built as a shared library that a test puts before the C library with
// LD_PRELOAD, so that the real program meets a failing disk with no seam in its own code. It counts
// the calls that change files in one folder (and everything under it): opening a file for writing,
// write, writev, pwrite, fchmod, fsync, fdatasync, closing a descriptor opened for writing, rename,
// renameat and renameat2. The call numbered FaultAtVariable (from 1) fails as on a full or failing
// disk: opens and writes with ENOSPC and change nothing, the others with EIO; a file whose sync or
// close failed loses what was written to it (it is emptied), and a failing close still closes. The
// descriptor of a folder counts for its fsync only. Writes that stdio buffers reach the system inside
// the C library, out of the shim's sight; the program writes its tables through descriptors.

// The folder whose files the shim watches, as an absolute path without symbolic links.
inline constexpr const char* FaultFolderVariable = "WRITE_FAULT_FOLDER";
// The number of the call that fails; none fails when it is missing or 0.
inline constexpr const char* FaultAtVariable = "WRITE_FAULT_AT";
// "1": every counted call after the failing one fails too, as on a disk that stays full.
inline constexpr const char* FaultPersistsVariable = "WRITE_FAULT_PERSISTS";
// A file outside the folder to which each failed call adds a line: its number and its name.
inline constexpr const char* FaultReportVariable = "WRITE_FAULT_REPORT";
