// File names and file helpers.
#ifndef C4D_FILE_H__
#define C4D_FILE_H__

#include "c4d_string.h"

namespace cinema
{
/// A path. `+` joins path components with the platform's separator (never plain text concatenation).
class Filename
{
public:
	Filename() = default;
	Filename(const Char* string) : _path(string) {}
	Filename(const maxon::String& string) : _path(string) {}

	Bool IsPopulated() const { return _path.IsPopulated(); }
	String GetString() const { return _path; }
	void SetString(const maxon::String& str) { _path = str; }
	/// Everything before the last component ("" when there is none).
	const Filename GetDirectory() const;
	/// The last component.
	const Filename GetFile() const;
	String GetFileString() const { return GetFile().GetString(); }
	/// Text after the last '.' of the last component, without the dot.
	String GetSuffix() const;
	void SetSuffix(const maxon::String& str);
	void ClearSuffix();
	Bool CheckSuffix(const maxon::String& str) const;

	friend const Filename operator+(const Filename& fname1, const Filename& fname2);
	const Filename& operator+=(const Filename& fname);
	Bool operator==(const Filename& fname) const { return _path == fname._path; }
	Bool operator!=(const Filename& fname) const { return _path != fname._path; }

private:
	String _path;
};

/// The folder of the plug-in that is calling (the folder that holds its library).
const Filename GeGetPluginPath();
/// The plug-in's resource folder: GeGetPluginPath() + "res".
Filename GeGetPluginResourcePath();
/// True when name exists as a file (isdir false) or as a folder (isdir true).
Bool GeFExist(const Filename& name, Bool isdir = false);
/// Asks the system to open path with its application. False when that cannot be done.
Bool GeExecuteFile(const Filename& path);
} // namespace cinema

#endif // C4D_FILE_H__
