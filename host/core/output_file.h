// A file written in one go: buffered writes, the first error remembered, and the file removed again unless the
// writer commits it, so a failed export never leaves a truncated file behind.
#ifndef SURFAX_HOST_CORE_OUTPUT_FILE_H
#define SURFAX_HOST_CORE_OUTPUT_FILE_H

#include <cstddef>
#include <cstdio>
#include <string>

namespace surfax::core
{
class OutputFile
{
public:
	/// Opens (creates or truncates) path for writing. Check IsOpen, or let Commit report the failure.
	explicit OutputFile(const std::string& path);
	/// Closes the file and removes it unless Commit succeeded.
	~OutputFile();
	OutputFile(const OutputFile&) = delete;
	OutputFile& operator=(const OutputFile&) = delete;

	bool IsOpen() const { return _file != nullptr; }
	/// Appends size bytes (data may be null when size is 0). After an error further writes are ignored.
	void Write(const void* data, std::size_t size);
	void Write(const std::string& text) { Write(text.data(), text.size()); }
	/// Flushes and closes. False with `error` ("PATH: cannot be written (reason)") when opening, a write or the
	/// close failed; the file is then removed.
	bool Commit(std::string& error);

private:
	std::string _path;
	std::FILE* _file = nullptr;
	int _errno = 0;
	bool _committed = false;
};
} // namespace surfax::core

#endif
