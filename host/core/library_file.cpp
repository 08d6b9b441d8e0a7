#include "host/core/library_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace surfax::core
{
namespace
{
#if defined(__x86_64__)
constexpr std::uint16_t kMachine = EM_X86_64;
#elif defined(__aarch64__)
constexpr std::uint16_t kMachine = EM_AARCH64;
#else
#error "the plug-in loader knows the ELF machine of x86-64 and arm64 only"
#endif
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr unsigned char kByteOrder = ELFDATA2LSB;
#else
constexpr unsigned char kByteOrder = ELFDATA2MSB;
#endif
// More program headers than any library has; a count above it is a damaged header, not a library.
constexpr std::uint16_t kMaxProgramHeaders = 4096;

// Reads exactly size bytes at offset; false at the end of the file or on an error.
bool ReadAt(int fd, std::uint64_t offset, void* out, std::size_t size)
{
	std::size_t done = 0;
	while (done < size)
	{
		const ssize_t n = ::pread(fd, static_cast<char*>(out) + done, size - done, static_cast<off_t>(offset + done));
		if (n < 0 && errno == EINTR)
			continue;
		if (n <= 0)
			return false;
		done += static_cast<std::size_t>(n);
	}
	return true;
}

std::string CutShort(std::uint64_t reach, std::uint64_t fileSize, const char* what)
{
	return std::string("cut short or damaged: its ") + what + " reach byte " + std::to_string(reach) + " of a " +
	       std::to_string(fileSize) + "-byte file";
}

bool CheckHeaders(int fd, std::uint64_t fileSize, std::string& why)
{
	Elf64_Ehdr header{};
	if (fileSize < sizeof(header) || !ReadAt(fd, 0, &header, sizeof(header)) ||
	    std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0)
	{
		why = "not an ELF library";
		return false;
	}
	if (header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_ident[EI_DATA] != kByteOrder || header.e_machine != kMachine)
	{
		why = "an ELF file for another kind of machine";
		return false;
	}
	if (header.e_type != ET_DYN)
	{
		why = "an ELF file that is not a shared library";
		return false;
	}
	if (header.e_phnum == 0 || header.e_phnum > kMaxProgramHeaders || header.e_phentsize != sizeof(Elf64_Phdr))
	{
		why = "a damaged ELF library (its program header table is malformed)";
		return false;
	}
	const std::uint64_t tableEnd = header.e_phoff + std::uint64_t(header.e_phnum) * sizeof(Elf64_Phdr);
	if (header.e_phoff > fileSize || tableEnd > fileSize)
	{
		why = CutShort(tableEnd, fileSize, "program headers");
		return false;
	}
	// The section header table usually ends the file, so a file cut anywhere loses it; a stripped library may have
	// none.
	const std::uint64_t sectionsEnd = header.e_shoff + std::uint64_t(header.e_shnum) * header.e_shentsize;
	if (header.e_shnum > 0 && (header.e_shoff > fileSize || sectionsEnd > fileSize))
	{
		why = CutShort(sectionsEnd, fileSize, "section headers");
		return false;
	}
	std::vector<Elf64_Phdr> segments(header.e_phnum);
	if (!ReadAt(fd, header.e_phoff, segments.data(), segments.size() * sizeof(Elf64_Phdr)))
	{
		why = "cannot be read";
		return false;
	}
	std::uint64_t reach = 0;
	for (const Elf64_Phdr& segment : segments)
	{
		if (segment.p_offset <= fileSize && segment.p_filesz <= fileSize - segment.p_offset)
			continue;
		const bool overflows = segment.p_filesz > UINT64_MAX - segment.p_offset;
		reach = std::max(reach, overflows ? UINT64_MAX : segment.p_offset + segment.p_filesz);
	}
	if (reach > 0)
	{
		why = CutShort(reach, fileSize, "segments");
		return false;
	}
	return true;
}
} // namespace

bool CheckLibraryFile(const std::string& path, std::string& why)
{
	const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
	if (fd < 0)
	{
		why = std::string("cannot be read (") + std::strerror(errno) + ")";
		return false;
	}
	struct stat info = {};
	bool ok = false;
	if (::fstat(fd, &info) != 0)
		why = std::string("cannot be read (") + std::strerror(errno) + ")";
	else if (!S_ISREG(info.st_mode))
		why = "not a file";
	else
		ok = CheckHeaders(fd, static_cast<std::uint64_t>(info.st_size), why);
	::close(fd);
	return ok;
}
} // namespace surfax::core
