// The operating-system calls the plug-in makes, and nothing else.
//
// Each function mirrors one Windows call closely, so that the plug-in's algorithms stay the same on
// every system: win32.cpp makes the real call, posix.cpp a documented stand-in (see README.md,
// "POSIX stand-ins"). All functions are callable at any time from the host's user-interface thread;
// none keeps state between calls except the file and key handles it hands out.
//
// Test seam (both implementations, see seam.cpp): the environment variable KW_PLATFORM_FAIL holds a
// comma-separated list of operation names that then fail as the system call would ("regopen",
// "regquery", "regclose", "temppath", "tempfile", "create", "write", "close", "start", "shell",
// "module", "shortpath"); KW_PLATFORM_CLOCK, when set, is the value WallClockSeconds returns;
// KW_SHELL_LOG, when set, names a file to which ShellOpen appends the path it was asked to open
// (one line each) instead of opening it; KW_ACTIVITY_LOG, when set, names a file to which files
// created, processes started and documents opened are noted (see seam.h).
#ifndef KERFWORKS_PLATFORM_PLATFORM_H
#define KERFWORKS_PLATFORM_PLATFORM_H

#include <cstddef>
#include <cstdint>

namespace platform {

enum class RegistryRoot { kCurrentUser, kLocalMachine };

// Opaque handles; null is "none".
struct RegistryKeyTag;
using RegistryKey = RegistryKeyTag*;
struct FileTag;
using File = FileTag*;

// Opens `subKey` (backslash-separated) under `root` for reading. Returns false when it is missing
// or unreadable; *key is then null.
bool OpenRegistryKey(RegistryRoot root, const char* subKey, RegistryKey* key);

// Reads the raw bytes of value `name` into buffer. On entry *size is the buffer's capacity in
// bytes; on success it is the value's stored length, which may lack a terminator. Returns false
// when the value is missing or longer than the capacity (the buffer's content is then unspecified
// and *size the length the value needs). A null buffer only asks for that length, and succeeds.
bool QueryRegistryValue(RegistryKey key, const char* name, char* buffer, std::uint32_t* size);

// Closes a key from OpenRegistryKey. Returns false when the close fails.
bool CloseRegistryKey(RegistryKey key);

// Writes the folder for temporary files, ending in the path separator, terminated. Returns its
// length, or 0 when it does not fit or cannot be found.
std::uint32_t GetTemporaryFolder(char* buffer, std::uint32_t capacity);

// Creates a new, empty, uniquely named file "<folder><prefix><hex number>.TMP" and writes its full
// path into buffer (at least 260 bytes). Returns false when no file could be created; buffer then
// holds the empty string.
bool CreateTemporaryFile(const char* folder, const char* prefix, char* buffer);

// Creates `path` for writing only, emptied if it exists, shared with no other opener, normal
// attributes. Returns null on failure.
File CreateOutputFile(const char* path);

// Writes all `size` bytes. Returns false when not all could be written.
bool WriteToFile(File file, const void* data, std::size_t size);

// Closes the file. Returns false when the close (or a write it flushed) failed.
bool CloseFile(File file);

// Starts `program` as a separate process, without waiting and without a shell, searching nothing.
// Windows passes `program` as the program to run and `commandLine` unchanged as its command line;
// POSIX passes `arguments` (a null-terminated list, not including the program itself). Returns
// false when the process could not be started.
bool StartProcess(const char* program, const char* commandLine, const char* const* arguments);

// Writes the short (8.3) form of the existing file `path`, terminated, as GetShortPathNameA does.
// Returns its length, or 0 when the system has no short form for it or it does not fit (POSIX
// systems have none).
std::uint32_t GetShortPath(const char* path, char* buffer, std::uint32_t capacity);

// Opens a document with the user's shell ("open" verb, normal window). Returns false on failure.
bool ShellOpen(const char* path);

// Writes the full path of the module loaded as `instance` (the host's instance handle of the
// plug-in), terminated and cut to fit as GetModuleFileNameA does. Returns the length written; when
// the path had to be cut, `capacity` (the buffer then holds capacity - 1 characters and the
// terminator); 0 on failure.
std::uint32_t GetModulePath(void* instance, char* buffer, std::uint32_t capacity);

// Seconds since 1970.
std::int64_t WallClockSeconds();

}  // namespace platform

#endif  // KERFWORKS_PLATFORM_PLATFORM_H
