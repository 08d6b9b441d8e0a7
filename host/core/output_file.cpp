#include "host/core/output_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace surfax::core
{
namespace
{
constexpr std::size_t kBufferSize = std::size_t(1) << 20;
}

OutputFile::OutputFile(const std::string& path) : _path(path)
{
	errno = 0;
	_file = std::fopen(path.c_str(), "wb");
	if (_file == nullptr)
		_errno = errno != 0 ? errno : EIO;
	else
		std::setvbuf(_file, nullptr, _IOFBF, kBufferSize);
}

OutputFile::~OutputFile()
{
	if (_committed)
		return;
	// Only a file this object created is removed: a path that could not be opened may be someone else's.
	if (_file != nullptr)
	{
		std::fclose(_file);
		std::error_code ignored;
		std::filesystem::remove(_path, ignored);
	}
}

void OutputFile::Write(const void* data, std::size_t size)
{
	if (_file == nullptr || _errno != 0 || size == 0)
		return;
	errno = 0;
	if (std::fwrite(data, 1, size, _file) != size)
		_errno = errno != 0 ? errno : EIO;
}

bool OutputFile::Commit(std::string& error)
{
	if (_file != nullptr)
	{
		errno = 0;
		const bool flushed = std::fflush(_file) == 0;
		if (!flushed && _errno == 0)
			_errno = errno != 0 ? errno : EIO;
		errno = 0;
		const bool closed = std::fclose(_file) == 0;
		if (!closed && _errno == 0)
			_errno = errno != 0 ? errno : EIO;
		_file = nullptr;
		if (_errno != 0)
		{
			std::error_code ignored;
			std::filesystem::remove(_path, ignored);
		}
	}
	if (_errno != 0)
	{
		error = _path + ": cannot be written (" + std::strerror(_errno) + ")";
		_committed = true; // nothing left to remove
		return false;
	}
	_committed = true;
	return true;
}
} // namespace surfax::core
