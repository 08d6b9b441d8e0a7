// Files written in one go, so that nothing is lost on failure: the bytes go to a temporary file in the folder of the
// final name (".NAME.tmp-PID-N"), which is flushed, synced to disk and only then renamed over the final name. A
// failed write, an interruption (interruption.h) or a crash before the rename leaves the old file at the final name
// byte for byte; the temporary is removed on every failure the process lives through.
//
// A final name that is a symbolic link is followed (through further links): the temporary is made beside the file it
// points to and renamed over that file, so the link stays a link and its target is replaced as atomically as any
// other file. A link to a file that does not exist yet makes that file.
//
// Several files that belong together (the outputs of one frame, an .obj and its .mtl) are committed inside one
// OutputBatch: each commit only finishes its temporary, and the batch renames them all at the end, so a later
// failure leaves none of the earlier files half-made and none of the old files replaced.
#ifndef SURFAX_HOST_CORE_OUTPUT_FILE_H
#define SURFAX_HOST_CORE_OUTPUT_FILE_H

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace surfax::core
{
class OutputBatch;

class OutputFile
{
public:
	/// Creates the temporary beside path (the final name is not touched yet). Check IsOpen, or let Commit report
	/// the failure.
	explicit OutputFile(const std::string& path);
	/// Closes and removes the temporary unless Commit succeeded.
	~OutputFile();
	OutputFile(const OutputFile&) = delete;
	OutputFile& operator=(const OutputFile&) = delete;

	bool IsOpen() const { return _file != nullptr; }
	const std::string& Path() const { return _path; }
	/// The temporary's name (empty when it could not be made), for a library that writes the file by name instead
	/// of through Write: libavformat's mp4 muxer reopens its output to move the index to the front. The library
	/// must have closed the file before Commit, which then syncs and renames what it wrote, or removes it on
	/// failure like any temporary; a name ending in ".tmp-PID-N" keeps the final name's extension out of it, so the
	/// library must be told the format instead of guessing it from the name. Write and writes by name do not mix.
	const std::string& TemporaryPath() const { return _temporary; }
	/// Appends size bytes (data may be null when size is 0). After an error, or once the process was asked to stop,
	/// further writes are ignored and Commit fails.
	void Write(const void* data, std::size_t size);
	void Write(const std::string& text) { Write(text.data(), text.size()); }
	/// Flushes, syncs and closes the temporary, then renames it over the final name; inside an OutputBatch the
	/// rename is left to the batch. False with `error` ("PATH: cannot be written (reason)") when creating, writing,
	/// syncing, closing or renaming failed or the process was asked to stop; the temporary is then removed and the
	/// file at the final name is untouched.
	bool Commit(std::string& error);

private:
	std::string _path;   // the name given
	std::string _target; // the file it replaces: _path with symbolic links followed
	std::string _temporary;
	std::FILE* _file = nullptr;
	int _errno = 0;
	bool _done = false;
};

/// Gathers the commits of OutputFiles made on this thread while it is alive (batches nest) and renames them together.
class OutputBatch
{
public:
	OutputBatch();
	/// Removes every temporary that was committed into the batch but not published.
	~OutputBatch();
	OutputBatch(const OutputBatch&) = delete;
	OutputBatch& operator=(const OutputBatch&) = delete;

	/// Renames every committed temporary over its final name, in commit order; inside an enclosing batch, hands them
	/// to that batch instead. Nothing is renamed when the process was asked to stop. False with `error` when a
	/// rename fails: the files renamed before it stay (the message names them), the rest are removed.
	bool Publish(std::string& error);
	/// The final names published so far.
	const std::vector<std::string>& Published() const { return _published; }

private:
	friend class OutputFile;
	struct Pending
	{
		std::string temporary;
		std::string target;
		std::string path;
	};
	std::vector<Pending> _pending;
	std::vector<std::string> _published;
	OutputBatch* _outer = nullptr;
};

/// The file an OutputFile for path replaces, as one absolute name: symbolic links at the final name followed and the
/// folder made canonical, so that two paths name the same file exactly when their targets are equal ("a.json",
/// "./a.json", "sub/../a.json", a link to a.json). A part that cannot be resolved is kept as written.
std::string OutputTarget(const std::string& path);

/// The extension of path's file name in lower case, with its dot (".mp4" for "out/Chart.MP4"; empty without one):
/// what decides an output's format.
std::string OutputExtension(const std::string& path);

/// Removes every temporary that exists now (async-signal-safe, allocates nothing), for a process about to end at once:
/// the second SIGINT or SIGTERM (interruption.h). Final names are never touched.
void RemoveTemporariesNow();

/// "PATH: cannot be written (reason)" with the text of errno value `errorNumber`.
std::string CannotWrite(const std::string& path, int errorNumber);
} // namespace surfax::core

#endif
