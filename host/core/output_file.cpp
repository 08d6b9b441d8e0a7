#include "host/core/output_file.h"

#include "host/core/interruption.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <cctype>
#include <climits>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <new>
#include <vector>

namespace surfax::core
{
namespace
{
constexpr std::size_t kBufferSize = std::size_t(1) << 20;
constexpr int kNameAttempts = 100;

thread_local OutputBatch* t_batch = nullptr;
std::atomic<unsigned> g_temporaryCounter{0};

std::filesystem::path FolderOf(const std::string& path)
{
	const std::filesystem::path folder = std::filesystem::path(path).parent_path();
	return folder.empty() ? std::filesystem::path(".") : folder;
}

// The temporaries that exist now, for RemoveTemporariesNow, which runs in a signal handler: fixed slots holding a copy
// of each name, read and written atomically. A name is listed before its file is made and unlisted once the file was
// renamed or removed, so a signal at any moment finds every temporary (and at worst a name whose file is gone).
constexpr std::size_t kListedTemporaries = 256;
std::atomic<char*> g_listedTemporaries[kListedTemporaries];

void ListTemporary(const std::string& name)
{
	char* copy = new (std::nothrow) char[name.size() + 1];
	if (copy == nullptr)
		return;
	std::memcpy(copy, name.c_str(), name.size() + 1);
	for (std::atomic<char*>& slot : g_listedTemporaries)
	{
		char* empty = nullptr;
		if (slot.compare_exchange_strong(empty, copy))
			return;
	}
	delete[] copy; // more temporaries at once than slots: this one is not removed by a second signal
}

void UnlistTemporary(const std::string& name)
{
	for (std::atomic<char*>& slot : g_listedTemporaries)
	{
		char* listed = slot.load();
		if (listed != nullptr && name == listed && slot.compare_exchange_strong(listed, nullptr))
		{
			delete[] listed;
			return;
		}
	}
}

// unlink, not std::filesystem::remove: this runs in destructors, also while an exception for memory running out
// unwinds, and must not allocate.
void RemoveQuietly(const std::string& path)
{
	::unlink(path.c_str());
	UnlistTemporary(path);
}

// A temporary renamed into place is no temporary any more.
int RenameTemporary(const std::string& temporary, const std::string& target)
{
	const int result = std::rename(temporary.c_str(), target.c_str());
	if (result == 0)
		UnlistTemporary(temporary);
	return result;
}

// A rename is durable only once the folder that holds the name is synced; a folder that cannot be opened or synced
// (some file systems refuse) costs durability, not correctness, so it is not an error.
void SyncFolder(const std::string& path)
{
	const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
	if (fd < 0)
		return;
	::fsync(fd);
	::close(fd);
}

// Follows symbolic links at the final name (the kernel's limit of 40 hops): the file a write to path replaces. A
// name that is no link, or does not exist, is its own target. False with ELOOP for a loop.
bool FollowLinks(const std::string& path, std::string& target, int& error)
{
	constexpr int kMaxLinkHops = 40;
	std::string current = path;
	for (int hop = 0; hop < kMaxLinkHops; ++hop)
	{
		struct stat info = {};
		if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
		{
			target = current;
			return true;
		}
		std::vector<char> link(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : PATH_MAX) + 1);
		const ssize_t length = ::readlink(current.c_str(), link.data(), link.size());
		if (length < 0 || static_cast<std::size_t>(length) >= link.size())
		{
			target = current;
			return true;
		}
		const std::filesystem::path linked(std::string(link.data(), static_cast<std::size_t>(length)));
		current = (linked.is_absolute() ? linked : FolderOf(current) / linked).string();
	}
	error = ELOOP;
	return false;
}

// Creates a new temporary beside path with O_EXCL, so that no existing file is ever opened. Mode 0666 lets the umask
// decide the permissions, as for a file created in place. Returns the descriptor (or -1 with errno) and the name.
int CreateTemporary(const std::string& path, std::string& temporary)
{
	const std::filesystem::path folder = FolderOf(path);
	const std::string name = std::filesystem::path(path).filename().string();
	const std::string pid = std::to_string(::getpid());
	for (int attempt = 0; attempt < kNameAttempts; ++attempt)
	{
		const std::string suffix = ".tmp-" + pid + "-" + std::to_string(++g_temporaryCounter);
		for (const std::string& stem : {"." + name, std::string(".surfax")})
		{
			temporary = (folder / (stem + suffix)).string();
			ListTemporary(temporary);
			const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
			if (fd >= 0)
				return fd;
			const int error = errno;
			UnlistTemporary(temporary);
			errno = error;
			// A long final name may not leave room for the suffix; the short stem always does.
			if (errno != ENAMETOOLONG)
				break;
		}
		if (errno != EEXIST)
			return -1;
	}
	return -1;
}
} // namespace

void RemoveTemporariesNow()
{
	for (std::atomic<char*>& slot : g_listedTemporaries)
	{
		if (const char* name = slot.load(); name != nullptr)
			::unlink(name);
	}
}

std::string CannotWrite(const std::string& path, int errorNumber)
{
	return path + ": cannot be written (" + std::strerror(errorNumber != 0 ? errorNumber : EIO) + ")";
}

std::string OutputExtension(const std::string& path)
{
	std::string extension = std::filesystem::path(path).extension().string();
	for (char& c : extension)
		c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
	return extension;
}

std::string OutputTarget(const std::string& path)
{
	std::string target;
	int ignored = 0;
	if (!FollowLinks(path, target, ignored))
		target = path;
	std::error_code ec;
	const std::filesystem::path folder =
	    std::filesystem::weakly_canonical(std::filesystem::absolute(FolderOf(target)), ec);
	return ec ? target : (folder / std::filesystem::path(target).filename()).string();
}

OutputFile::OutputFile(const std::string& path) : _path(path)
{
	// A symbolic link is followed: the temporary goes beside the file it points to, and replaces that file.
	if (!FollowLinks(path, _target, _errno))
		return;
	errno = 0;
	const int fd = CreateTemporary(_target, _temporary);
	if (fd < 0)
	{
		_errno = errno != 0 ? errno : EIO;
		_temporary.clear();
		return;
	}
	_file = ::fdopen(fd, "wb");
	if (_file == nullptr)
	{
		_errno = errno != 0 ? errno : EIO;
		::close(fd);
		RemoveQuietly(_temporary);
		_temporary.clear();
		return;
	}
	std::setvbuf(_file, nullptr, _IOFBF, kBufferSize);
}

OutputFile::~OutputFile()
{
	if (_done)
		return;
	if (_file != nullptr)
		std::fclose(_file);
	// Only the temporary this object created is removed; the final name is never touched here.
	if (!_temporary.empty())
		RemoveQuietly(_temporary);
}

void OutputFile::Write(const void* data, std::size_t size)
{
	if (_file == nullptr || _errno != 0 || size == 0)
		return;
	if (InterruptionSignal() != 0)
	{
		_errno = EINTR;
		return;
	}
	errno = 0;
	if (std::fwrite(data, 1, size, _file) != size)
		_errno = errno != 0 ? errno : EIO;
}

bool OutputFile::Commit(std::string& error)
{
	if (_done)
	{
		error = _path + ": committed twice";
		return false;
	}
	_done = true;
	if (_file != nullptr)
	{
		errno = 0;
		if (std::fflush(_file) != 0 && _errno == 0)
			_errno = errno != 0 ? errno : EIO;
		errno = 0;
		if (_errno == 0 && ::fsync(::fileno(_file)) != 0)
			_errno = errno != 0 ? errno : EIO;
		errno = 0;
		if (std::fclose(_file) != 0 && _errno == 0)
			_errno = errno != 0 ? errno : EIO;
		_file = nullptr;
	}
	if (_errno == 0 && InterruptionSignal() != 0)
		_errno = EINTR;
	if (_errno == 0 && t_batch != nullptr)
	{
		t_batch->_pending.push_back(OutputBatch::Pending{_temporary, _target, _path});
		return true;
	}
	errno = 0;
	if (_errno == 0 && RenameTemporary(_temporary, _target) != 0)
		_errno = errno != 0 ? errno : EIO;
	if (_errno != 0)
	{
		if (!_temporary.empty())
			RemoveQuietly(_temporary);
		error = CannotWrite(_path, _errno);
		return false;
	}
	SyncFolder(_target);
	return true;
}

OutputBatch::OutputBatch() : _outer(t_batch)
{
	t_batch = this;
}

OutputBatch::~OutputBatch()
{
	for (const Pending& pending : _pending)
		RemoveQuietly(pending.temporary);
	t_batch = _outer;
}

bool OutputBatch::Publish(std::string& error)
{
	if (_outer != nullptr)
	{
		for (Pending& pending : _pending)
			_outer->_pending.push_back(std::move(pending));
		_pending.clear();
		return true;
	}
	if (InterruptionSignal() != 0)
	{
		error = _pending.empty() ? std::string("interrupted") : CannotWrite(_pending.front().path, EINTR);
		for (const Pending& pending : _pending)
			RemoveQuietly(pending.temporary);
		_pending.clear();
		return false;
	}
	for (std::size_t i = 0; i < _pending.size(); ++i)
	{
		errno = 0;
		if (RenameTemporary(_pending[i].temporary, _pending[i].target) == 0)
		{
			_published.push_back(_pending[i].path);
			SyncFolder(_pending[i].target);
			continue;
		}
		error = CannotWrite(_pending[i].path, errno);
		if (!_published.empty())
		{
			error += "; written before it:";
			for (const std::string& path : _published)
				error += " " + path;
		}
		for (std::size_t k = i; k < _pending.size(); ++k)
			RemoveQuietly(_pending[k].temporary);
		_pending.clear();
		return false;
	}
	_pending.clear();
	return true;
}
} // namespace surfax::core
