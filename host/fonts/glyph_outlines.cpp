#include "host/fonts/glyph_outlines.h"

#include "host/core/utf8.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

namespace surfax::fonts
{
namespace
{
constexpr int kMaxCurveSteps = 64;

// One glyph flattened in font units, with its advance.
struct FlatGlyph
{
	std::vector<Point2> points;
	std::vector<int> contourSizes;
	double advance = 0.0;
};

struct OpenFace
{
	FT_Face face = nullptr;
	double unitsPerEm = 1.0;
	double lineHeight = 1.0; // font units
	std::map<FT_UInt, FlatGlyph> glyphs;
};

struct FaceCache
{
	std::mutex mutex;
	FT_Library library = nullptr;
	bool libraryFailed = false;
	std::map<std::pair<std::string, int>, std::unique_ptr<OpenFace>> faces;

	~FaceCache()
	{
		for (auto& entry : faces)
		{
			if (entry.second && entry.second->face)
				FT_Done_Face(entry.second->face);
		}
		if (library)
			FT_Done_FreeType(library);
	}
};

FaceCache& Cache()
{
	static FaceCache cache;
	return cache;
}

// Flattens while FreeType walks an outline.
struct Flattener
{
	FlatGlyph* glyph = nullptr;
	double tolerance = 1.0;
	Point2 last;
	int contourStart = 0;

	void Add(double x, double y)
	{
		const int size = static_cast<int>(glyph->points.size()) - contourStart;
		if (size > 0)
		{
			const Point2& p = glyph->points.back();
			if (p.x == x && p.y == y)
				return;
		}
		glyph->points.push_back(Point2{x, y});
		last = Point2{x, y};
	}

	void CloseContour()
	{
		int size = static_cast<int>(glyph->points.size()) - contourStart;
		if (size > 1)
		{
			const Point2& first = glyph->points[static_cast<std::size_t>(contourStart)];
			const Point2& end = glyph->points.back();
			if (first.x == end.x && first.y == end.y)
			{
				glyph->points.pop_back();
				--size;
			}
		}
		if (size < 3)
			glyph->points.resize(static_cast<std::size_t>(contourStart));
		else
			glyph->contourSizes.push_back(size);
		contourStart = static_cast<int>(glyph->points.size());
	}

	int Steps(double deviation) const
	{
		// A curve whose control polygon bends by `deviation` stays within deviation / (4 n^2) of n chords.
		const double n = std::ceil(std::sqrt(deviation / (4.0 * tolerance)));
		return static_cast<int>(std::clamp(n, 1.0, static_cast<double>(kMaxCurveSteps)));
	}
};

int MoveTo(const FT_Vector* to, void* user)
{
	Flattener& f = *static_cast<Flattener*>(user);
	f.CloseContour();
	f.Add(static_cast<double>(to->x), static_cast<double>(to->y));
	return 0;
}

int LineTo(const FT_Vector* to, void* user)
{
	static_cast<Flattener*>(user)->Add(static_cast<double>(to->x), static_cast<double>(to->y));
	return 0;
}

int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user)
{
	Flattener& f = *static_cast<Flattener*>(user);
	const Point2 p0 = f.last;
	const Point2 p1{static_cast<double>(control->x), static_cast<double>(control->y)};
	const Point2 p2{static_cast<double>(to->x), static_cast<double>(to->y)};
	const int steps = f.Steps(std::hypot(p0.x - 2.0 * p1.x + p2.x, p0.y - 2.0 * p1.y + p2.y));
	for (int i = 1; i <= steps; ++i)
	{
		const double t = static_cast<double>(i) / steps;
		const double u = 1.0 - t;
		f.Add(u * u * p0.x + 2.0 * u * t * p1.x + t * t * p2.x, u * u * p0.y + 2.0 * u * t * p1.y + t * t * p2.y);
	}
	return 0;
}

int CubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user)
{
	Flattener& f = *static_cast<Flattener*>(user);
	const Point2 p0 = f.last;
	const Point2 p1{static_cast<double>(c1->x), static_cast<double>(c1->y)};
	const Point2 p2{static_cast<double>(c2->x), static_cast<double>(c2->y)};
	const Point2 p3{static_cast<double>(to->x), static_cast<double>(to->y)};
	const double bend = std::max(std::hypot(p0.x - 2.0 * p1.x + p2.x, p0.y - 2.0 * p1.y + p2.y),
	                             std::hypot(p1.x - 2.0 * p2.x + p3.x, p1.y - 2.0 * p2.y + p3.y));
	const int steps = f.Steps(3.0 * bend);
	for (int i = 1; i <= steps; ++i)
	{
		const double t = static_cast<double>(i) / steps;
		const double u = 1.0 - t;
		const double a = u * u * u, b = 3.0 * u * u * t, c = 3.0 * u * t * t, d = t * t * t;
		f.Add(a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y);
	}
	return 0;
}

OpenFace* Open(FaceCache& cache, const FontFace& face)
{
	const auto key = std::make_pair(face.file, face.index);
	const auto found = cache.faces.find(key);
	if (found != cache.faces.end())
		return found->second.get();
	if (cache.library == nullptr)
	{
		if (cache.libraryFailed || FT_Init_FreeType(&cache.library) != 0)
		{
			cache.libraryFailed = true;
			cache.library = nullptr;
			return nullptr;
		}
	}
	FT_Face ftFace = nullptr;
	if (FT_New_Face(cache.library, face.file.c_str(), face.index, &ftFace) != 0)
		return nullptr;
	if (!FT_IS_SCALABLE(ftFace) || ftFace->units_per_EM == 0)
	{
		FT_Done_Face(ftFace);
		return nullptr;
	}
	auto open = std::make_unique<OpenFace>();
	open->face = ftFace;
	open->unitsPerEm = ftFace->units_per_EM;
	const double line = static_cast<double>(ftFace->height);
	open->lineHeight = line > 0.0 ? line : open->unitsPerEm * 1.2;
	OpenFace* result = open.get();
	cache.faces.emplace(key, std::move(open));
	return result;
}

const FlatGlyph* LoadGlyph(OpenFace& face, FT_UInt index)
{
	const auto found = face.glyphs.find(index);
	if (found != face.glyphs.end())
		return &found->second;
	FlatGlyph glyph;
	if (FT_Load_Glyph(face.face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) == 0)
	{
		glyph.advance = static_cast<double>(face.face->glyph->advance.x);
		if (face.face->glyph->format == FT_GLYPH_FORMAT_OUTLINE)
		{
			Flattener f;
			f.glyph = &glyph;
			f.tolerance = face.unitsPerEm * kFlatnessPerHeight;
			FT_Outline_Funcs funcs = {};
			funcs.move_to = &MoveTo;
			funcs.line_to = &LineTo;
			funcs.conic_to = &ConicTo;
			funcs.cubic_to = &CubicTo;
			FT_Outline_Decompose(&face.face->glyph->outline, &funcs, &f);
			f.CloseContour();
		}
	}
	return &face.glyphs.emplace(index, std::move(glyph)).first->second;
}

// The code points of one line; invalid bytes are skipped.
std::u32string DecodeLine(std::string_view text)
{
	std::u32string out;
	while (!text.empty())
	{
		const std::size_t length = core::ValidUtf8Length(text);
		if (length == 0)
		{
			text.remove_prefix(1);
			continue;
		}
		const unsigned char lead = static_cast<unsigned char>(text[0]);
		char32_t cp = length == 1 ? lead : length == 2 ? (lead & 0x1Fu) : length == 3 ? (lead & 0x0Fu) : (lead & 0x07u);
		for (std::size_t i = 1; i < length; ++i)
			cp = (cp << 6) | (static_cast<unsigned char>(text[i]) & 0x3Fu);
		out.push_back(cp);
		text.remove_prefix(length);
	}
	return out;
}
} // namespace

bool BuildTextOutline(const FontFace& face, std::string_view utf8, double height, TextAlign align, TextOutline& out)
{
	out = TextOutline();
	FaceCache& cache = Cache();
	std::lock_guard<std::mutex> lock(cache.mutex);
	OpenFace* open = Open(cache, face);
	if (open == nullptr)
		return false;
	if (!std::isfinite(height) || height <= 0.0)
		return true;
	const double scale = height / open->unitsPerEm;
	const bool kerning = FT_HAS_KERNING(open->face);
	double baseline = 0.0;
	bool first = true;
	std::string_view rest = utf8;
	while (true)
	{
		const std::size_t newline = rest.find('\n');
		const std::u32string line = DecodeLine(rest.substr(0, newline));
		// Pen positions first (font units), so the line can be aligned by its advance.
		std::vector<std::pair<const FlatGlyph*, double>> placed;
		placed.reserve(line.size());
		double pen = 0.0;
		FT_UInt previous = 0;
		for (const char32_t cp : line)
		{
			const FT_UInt index = FT_Get_Char_Index(open->face, cp);
			if (kerning && previous != 0 && index != 0)
			{
				FT_Vector delta{};
				if (FT_Get_Kerning(open->face, previous, index, FT_KERNING_UNSCALED, &delta) == 0)
					pen += static_cast<double>(delta.x);
			}
			const FlatGlyph* glyph = LoadGlyph(*open, index);
			placed.emplace_back(glyph, pen);
			pen += glyph->advance;
			previous = index;
		}
		const double shift = align == TextAlign::Left ? 0.0 : align == TextAlign::Centre ? -pen / 2.0 : -pen;
		for (const auto& [glyph, x] : placed)
		{
			std::size_t p = 0;
			for (const int size : glyph->contourSizes)
			{
				for (int k = 0; k < size; ++k, ++p)
				{
					const Point2& q = glyph->points[p];
					const Point2 r{(q.x + x + shift) * scale, q.y * scale + baseline};
					if (first)
					{
						out.min = out.max = r;
						first = false;
					}
					out.min = Point2{std::min(out.min.x, r.x), std::min(out.min.y, r.y)};
					out.max = Point2{std::max(out.max.x, r.x), std::max(out.max.y, r.y)};
					out.points.push_back(r);
				}
				out.contourSizes.push_back(size);
			}
		}
		if (newline == std::string_view::npos)
			break;
		rest.remove_prefix(newline + 1);
		baseline -= open->lineHeight * scale;
	}
	return true;
}
} // namespace surfax::fonts
