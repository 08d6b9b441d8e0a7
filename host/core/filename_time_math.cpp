// Filename, BaseTime and rotation matrices.
#include "c4d_basetime.h"
#include "c4d_file.h"

#include <cmath>
#include <limits>

namespace cinema
{
namespace
{
constexpr char kSeparator = '/';

std::size_t LastSeparator(const std::string& path)
{
	return path.find_last_of("/\\");
}
} // namespace

const Filename Filename::GetDirectory() const
{
	const std::string& path = _path.GetUtf8();
	const std::size_t at = LastSeparator(path);
	if (at == std::string::npos)
		return Filename();
	return Filename(String(path.substr(0, at == 0 ? 1 : at)));
}

const Filename Filename::GetFile() const
{
	const std::string& path = _path.GetUtf8();
	const std::size_t at = LastSeparator(path);
	return Filename(String(at == std::string::npos ? path : path.substr(at + 1)));
}

String Filename::GetSuffix() const
{
	const std::string file = GetFile().GetString().GetUtf8();
	const std::size_t dot = file.find_last_of('.');
	return dot == std::string::npos ? String() : String(file.substr(dot + 1));
}

void Filename::SetSuffix(const maxon::String& str)
{
	ClearSuffix();
	_path = String(_path.GetUtf8() + "." + str.GetUtf8());
}

void Filename::ClearSuffix()
{
	const std::string& path = _path.GetUtf8();
	const std::size_t at = LastSeparator(path);
	const std::size_t dot = path.find_last_of('.');
	if (dot != std::string::npos && (at == std::string::npos || dot > at))
		_path = String(path.substr(0, dot));
}

Bool Filename::CheckSuffix(const maxon::String& str) const
{
	return GetSuffix().Compare(str, maxon::STRINGCOMPARISON::CASEINSENSITIVE) == maxon::COMPARERESULT::EQUAL;
}

const Filename operator+(const Filename& fname1, const Filename& fname2)
{
	Filename joined(fname1);
	joined += fname2;
	return joined;
}

const Filename& Filename::operator+=(const Filename& fname)
{
	const std::string& a = _path.GetUtf8();
	std::string b = fname._path.GetUtf8();
	// The application's help and resource paths are sometimes written with a leading backslash.
	while (!b.empty() && (b.front() == '/' || b.front() == '\\'))
		b.erase(0, 1);
	if (a.empty())
		_path = String(b);
	else if (b.empty())
		return *this;
	else if (a.back() == kSeparator)
		_path = String(a + b);
	else
		_path = String(a + kSeparator + b);
	return *this;
}

Int32 BaseTime::GetFrame(Float fps) const
{
	const Float numerator = std::floor(fps * _numerator);
	const Float denominator = std::floor(_denominator);
	if (denominator == 0.0 || !std::isfinite(numerator))
		return 0;
	const Float frame = std::trunc(numerator / denominator);
	if (!(frame > static_cast<Float>(std::numeric_limits<Int32>::min())))
		return std::numeric_limits<Int32>::min();
	if (!(frame < static_cast<Float>(std::numeric_limits<Int32>::max())))
		return std::numeric_limits<Int32>::max();
	return static_cast<Int32>(frame);
}

void BaseTime::Quantize(Float fps)
{
	if (fps <= 0.0)
		return;
	const Float frame = std::floor(Get() * fps + 0.5);
	_numerator = frame;
	_denominator = fps;
}
} // namespace cinema
