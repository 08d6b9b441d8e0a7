// A look at a library file (a plug-in, the video module) before it goes to the dynamic loader. dlopen maps the parts of
// the file that the ELF program headers name and trusts them: a library cut short (a copy that stopped, a full disk)
// makes the process die with SIGBUS inside dlopen the moment a mapped page past the end of the file is touched. The
// check reads the header and the program headers and refuses a file whose headers or segments do not lie inside it.
#ifndef SURFAX_HOST_CORE_LIBRARY_FILE_H
#define SURFAX_HOST_CORE_LIBRARY_FILE_H

#include <string>

namespace surfax::core
{
/// True when the file at path is an ELF shared object for this machine (64-bit, this byte order and architecture)
/// whose program headers, every segment they name and its section headers (when it has any) lie inside the file. False
/// with `why`, a phrase that follows the library's path in a message ("not an ELF library", "cut short: its segments
/// reach byte 90112 of a 4096-byte file", "cannot be read (No such file or directory)"). Reads only the headers; the
/// file is not kept open.
bool CheckLibraryFile(const std::string& path, std::string& why);
} // namespace surfax::core

#endif
