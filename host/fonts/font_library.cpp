#include "host/fonts/font_library.h"

#include "host/core/diagnostics.h"
#include "host/core/memory.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <mutex>
#include <optional>

namespace surfax::fonts
{
using namespace cinema;

namespace
{
struct Library
{
	std::mutex mutex;
	std::optional<std::vector<FontFace>> faces;
	bool overridden = false;
	bool warned = false;

	// fontconfig keeps its configuration until FcFini; released at exit so that leak checkers see nothing left.
	~Library() { FcFini(); }
};

Library& TheLibrary()
{
	static Library library;
	return library;
}

std::string PatternString(FcPattern* pattern, const char* object)
{
	FcChar8* value = nullptr;
	if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || value == nullptr)
		return {};
	return reinterpret_cast<const char*>(value);
}

// fontconfig crashes while it reads its configuration when memory runs short: it starts only with room to spare
// (its configuration and caches take well under a megabyte here).
bool StartFontconfig()
{
	constexpr std::size_t kFontconfigRoom = std::size_t(8) << 20;
	static bool started = false;
	if (!started)
		started = core::RoomFor(kFontconfigRoom) && FcInit();
	return started;
}

// The installed faces; nullopt when fontconfig could not start (memory ran short), so that a later call asks again.
std::optional<std::vector<FontFace>> QuerySystemFonts()
{
	std::vector<FontFace> faces;
	if (!StartFontconfig())
		return std::nullopt;
	FcPattern* pattern = FcPatternCreate();
	FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FILE, FC_INDEX, FC_OUTLINE, nullptr);
	FcFontSet* set = (pattern && objects) ? FcFontList(nullptr, pattern, objects) : nullptr;
	for (int i = 0; set != nullptr && i < set->nfont; ++i)
	{
		FcPattern* font = set->fonts[i];
		FcBool outline = FcFalse;
		if (FcPatternGetBool(font, FC_OUTLINE, 0, &outline) == FcResultMatch && !outline)
			continue; // bitmap faces have no outlines to build text from
		FontFace face;
		face.family = PatternString(font, FC_FAMILY);
		face.style = PatternString(font, FC_STYLE);
		face.file = PatternString(font, FC_FILE);
		int index = 0;
		if (FcPatternGetInteger(font, FC_INDEX, 0, &index) == FcResultMatch)
			face.index = index;
		if (!face.family.empty() && !face.file.empty())
			faces.push_back(std::move(face));
	}
	// fontconfig lists in an order of its own; by file and index the list is the same on every run.
	std::sort(faces.begin(), faces.end(),
	          [](const FontFace& a, const FontFace& b)
	          { return a.file != b.file ? a.file < b.file : a.index < b.index; });
	if (set)
		FcFontSetDestroy(set);
	if (objects)
		FcObjectSetDestroy(objects);
	if (pattern)
		FcPatternDestroy(pattern);
	return faces;
}

// fontconfig's choice for a generic family, as a file and index.
bool MatchGeneric(const char* generic, std::string& file, int& index)
{
	if (!StartFontconfig())
		return false;
	FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(generic));
	if (pattern == nullptr)
		return false;
	FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
	FcDefaultSubstitute(pattern);
	FcResult result = FcResultNoMatch;
	FcPattern* match = FcFontMatch(nullptr, pattern, &result);
	bool found = false;
	if (match != nullptr)
	{
		file = PatternString(match, FC_FILE);
		if (FcPatternGetInteger(match, FC_INDEX, 0, &index) != FcResultMatch)
			index = 0;
		found = !file.empty();
		FcPatternDestroy(match);
	}
	FcPatternDestroy(pattern);
	return found;
}

bool IsRegularStyle(const std::string& style)
{
	return style.empty() || style == "Regular" || style == "Book" || style == "Normal" || style == "Roman" ||
	       style == "Medium";
}

std::string StringAt(const BaseContainer& bc, Int32 id)
{
	const GeData* value = bc.GetDataPointer(id);
	return value != nullptr && value->GetType() == DA_STRING ? value->GetString().GetUtf8() : std::string();
}
} // namespace

std::string FontFace::DisplayName() const
{
	return IsRegularStyle(style) ? family : family + " " + style;
}

const std::vector<FontFace>& InstalledFonts()
{
	Library& library = TheLibrary();
	std::lock_guard<std::mutex> lock(library.mutex);
	if (!library.faces)
		library.faces = QuerySystemFonts();
	// Without room to start fontconfig nothing is known yet: no list is kept and no font is missing (the refused
	// allocation is counted and reported with the object that asked).
	static const std::vector<FontFace> kNone;
	if (!library.faces)
		return kNone;
	if (library.faces->empty() && !library.warned)
	{
		library.warned = true;
		core::Report("warning: no font is installed; text splines stay empty (install fonts-dejavu-core)");
	}
	return *library.faces;
}

void SetInstalledFontsForTesting(std::vector<FontFace> faces, bool useSystem)
{
	Library& library = TheLibrary();
	std::lock_guard<std::mutex> lock(library.mutex);
	library.overridden = !useSystem;
	if (useSystem)
		library.faces.reset();
	else
		library.faces = std::move(faces);
	library.warned = false;
}

bool DefaultFontFace(bool monospaced, FontFace& out)
{
	const std::vector<FontFace>& faces = InstalledFonts();
	if (faces.empty())
		return false;
	std::string file;
	int index = 0;
	bool overridden = false;
	{
		Library& library = TheLibrary();
		std::lock_guard<std::mutex> lock(library.mutex);
		overridden = library.overridden;
	}
	if (!overridden && MatchGeneric(monospaced ? "monospace" : "sans-serif", file, index))
	{
		for (const FontFace& face : faces)
		{
			if (face.file == file && face.index == index)
			{
				out = face;
				return true;
			}
		}
	}
	// No match among the listed faces (or a test list): the first regular face, else the first face.
	for (const FontFace& face : faces)
	{
		if (IsRegularStyle(face.style))
		{
			out = face;
			return true;
		}
	}
	out = faces.front();
	return true;
}

void WriteFontDescription(const FontFace& face, BaseContainer& bc)
{
	bc.SetString(kFontFamily, maxon::String(face.family));
	bc.SetString(kFontStyle, maxon::String(face.style));
	bc.SetString(kFontDisplay, maxon::String(face.DisplayName()));
	bc.SetString(kFontFile, maxon::String(face.file));
	bc.SetInt32(kFontIndex, face.index);
}

bool ResolveFontDescription(const BaseContainer* description, FontFace& out)
{
	const std::vector<FontFace>& faces = InstalledFonts();
	if (faces.empty())
		return false;
	if (description != nullptr)
	{
		const std::string file = StringAt(*description, kFontFile);
		const std::string family = StringAt(*description, kFontFamily);
		const std::string style = StringAt(*description, kFontStyle);
		const Int32 index = description->GetInt32(kFontIndex, 0);
		const FontFace* sameFamily = nullptr;
		for (const FontFace& face : faces)
		{
			if (!file.empty() && face.file == file && face.index == index)
			{
				out = face;
				return true;
			}
		}
		for (const FontFace& face : faces)
		{
			if (face.family != family)
				continue;
			if (face.style == style)
			{
				out = face;
				return true;
			}
			if (sameFamily == nullptr || (IsRegularStyle(face.style) && !IsRegularStyle(sameFamily->style)))
				sameFamily = &face;
		}
		if (sameFamily != nullptr)
		{
			out = *sameFamily;
			return true;
		}
	}
	return DefaultFontFace(false, out);
}
} // namespace surfax::fonts
