#include "host/builtins/text_and_extrude.h"

#include "customgui_fontchooser.h"
#include "oextrude.h"
#include "osplinetext.h"
#include "ospline.h"

#include "host/builtins/extrusion.h"
#include "host/fonts/glyph_outlines.h"
#include "host/plugins/registry.h"
#include "host/resources/resource.h"
#include "host/scene/node.h"

#include <algorithm>
#include <new>
#include <string>

namespace surfax::builtins
{
using namespace cinema;

namespace
{
// The parameters that decide a text spline's contour.
struct TextKey
{
	std::string text;
	Float height = 0.0;
	Int32 align = 0;
	fonts::FontFace face;
	bool hasFace = false;

	bool operator==(const TextKey& o) const
	{
		return text == o.text && height == o.height && align == o.align && hasFace == o.hasFace &&
		       face.file == o.face.file && face.index == o.face.index;
	}
};

TextKey ReadTextKey(const BaseContainer& bc)
{
	TextKey key;
	key.text = bc.GetString(PRIM_TEXT_TEXT).GetUtf8();
	key.height = bc.GetFloat(PRIM_TEXT_HEIGHT, kDefaultTextHeight);
	key.align = std::clamp(bc.GetInt32(PRIM_TEXT_ALIGN, PRIM_TEXT_ALIGN_LEFT), 0, 2);
	const FontData* font = bc.GetCustomDataType<FontData>(PRIM_TEXT_FONT);
	if (font != nullptr)
	{
		const BaseContainer description = font->GetFont();
		key.hasFace = fonts::ResolveFontDescription(&description, key.face);
	}
	else
	{
		key.hasFace = fonts::ResolveFontDescription(nullptr, key.face);
	}
	return key;
}

/// The text spline's generator. Remembers the outline of the last parameters it saw, for GetRad and GetContour.
class TextSplineData : public ObjectData
{
public:
	static NodeData* Alloc() { return NewObjClear(TextSplineData); }

	Bool Init(GeListNode* node, Bool isCloneInit) override
	{
		if (isCloneInit)
			return true;
		BaseContainer& bc = static_cast<BaseObject*>(node)->GetDataInstanceRef();
		bc.SetString(PRIM_TEXT_TEXT, "Text"_s);
		bc.SetInt32(PRIM_TEXT_ALIGN, PRIM_TEXT_ALIGN_LEFT);
		bc.SetFloat(PRIM_TEXT_HEIGHT, kDefaultTextHeight);
		bc.SetFloat(PRIM_TEXT_HSPACING, 0.0);
		bc.SetFloat(PRIM_TEXT_VSPACING, 0.0);
		bc.SetBool(PRIM_TEXT_SEPARATE, false);
		return true;
	}

	void GetDimension(const BaseObject* op, Vector* mp, Vector* rad) const override
	{
		const fonts::TextOutline& outline = Outline(op);
		const Vector lo(outline.min.x, outline.min.y, 0.0);
		const Vector hi(outline.max.x, outline.max.y, 0.0);
		if (mp)
			*mp = (lo + hi) * 0.5;
		if (rad)
			*rad = (hi - lo) * 0.5;
	}

	SplineObject* GetContour(BaseObject* op, BaseDocument*, Float, BaseThread*) override
	{
		const fonts::TextOutline& outline = Outline(op);
		const Int32 pointCount = static_cast<Int32>(outline.points.size());
		const Int32 segmentCount = static_cast<Int32>(outline.contourSizes.size());
		SplineObject* spline = SplineObject::Alloc(pointCount, SPLINETYPE::LINEAR);
		if (spline == nullptr)
			return nullptr;
		if (!spline->ResizeObject(pointCount, segmentCount))
		{
			SplineObject::Free(spline);
			return nullptr;
		}
		Vector* points = spline->GetPointW();
		for (Int32 i = 0; i < pointCount; ++i)
			points[i] = Vector(outline.points[static_cast<std::size_t>(i)].x,
			                   outline.points[static_cast<std::size_t>(i)].y, 0.0);
		Segment* segments = spline->GetSegmentW();
		for (Int32 i = 0; i < segmentCount; ++i)
			segments[i] = Segment{outline.contourSizes[static_cast<std::size_t>(i)], true};
		spline->GetDataInstanceRef().SetBool(SPLINEOBJECT_CLOSED, true);
		spline->SetName(op->GetName());
		return spline;
	}

private:
	const fonts::TextOutline& Outline(const BaseObject* op) const
	{
		TextKey key = ReadTextKey(op->GetDataInstanceRef());
		if (_valid && key == _key)
			return _outline;
		_outline = fonts::TextOutline();
		if (key.hasFace)
			fonts::BuildTextOutline(key.face, key.text, key.height, static_cast<fonts::TextAlign>(key.align), _outline);
		_key = std::move(key);
		_valid = true;
		return _outline;
	}

	mutable TextKey _key;
	mutable fonts::TextOutline _outline;
	mutable bool _valid = false;
};

bool IsSplineNode(const HostNode& n)
{
	return n.type == Ospline || (n.objectType != nullptr && (n.objectType->info & OBJECT_ISSPLINE) != 0);
}

// The contours of a spline object, as the extrusion takes them, transformed by ml.
void AppendSplineContours(const SplineObject& spline, const Matrix& ml, ContourSet& out)
{
	const Int32 count = spline.GetPointCount();
	const Vector* points = spline.GetPointR();
	for (Int32 i = 0; i < count; ++i)
		out.points.push_back(ml * points[i]);
	const Int32 segmentCount = spline.GetSegmentCount();
	const Segment* segments = spline.GetSegmentR();
	if (segmentCount == 0 || segments == nullptr)
	{
		out.sizes.push_back(count);
		out.closed.push_back(spline.IsClosed());
		return;
	}
	for (Int32 s = 0; s < segmentCount; ++s)
	{
		out.sizes.push_back(segments[s].cnt);
		out.closed.push_back(segments[s].closed || spline.IsClosed());
	}
}

/// The extrude generator.
class ExtrudeData : public ObjectData
{
public:
	static NodeData* Alloc() { return NewObjClear(ExtrudeData); }

	Bool Init(GeListNode* node, Bool isCloneInit) override
	{
		if (isCloneInit)
			return true;
		BaseContainer& bc = static_cast<BaseObject*>(node)->GetDataInstanceRef();
		bc.SetVector(EXTRUDEOBJECT_MOVE, kDefaultExtrudeMove);
		bc.SetInt32(EXTRUDEOBJECT_SUB, 1);
		bc.SetInt32(EXTRUDEOBJECT_ISOPARM, 10);
		bc.SetBool(EXTRUDEOBJECT_FLIPNORMALS, false);
		bc.SetBool(EXTRUDEOBJECT_HIERARCHIC, false);
		return true;
	}

	BaseObject* GetVirtualObjects(BaseObject* op, const HierarchyHelp* hh) override
	{
		BaseObject* child = op->GetDown();
		while (child != nullptr && !IsSplineNode(Host(child)))
			child = child->GetNext();
		const HostNode* childNode = child != nullptr ? &Host(child) : nullptr;
		const UInt32 childDirty = childNode != nullptr ? childNode->dirtyData + childNode->dirtyMatrix : 0;
		if (!op->CheckCache(hh) && child == _child && childDirty == _childDirty)
			return op->GetCache();
		_child = child;
		_childDirty = childDirty;

		ContourSet contours;
		Bool whole = true;
		if (child != nullptr)
		{
			const Matrix ml = child->GetMl();
			if (child->IsInstanceOf(Ospline))
			{
				AppendSplineContours(*static_cast<SplineObject*>(child), ml, contours);
			}
			else if (childNode->nodeData != nullptr)
			{
				BaseDocument* doc = const_cast<BaseDocument*>(hh != nullptr ? hh->GetDocument() : nullptr);
				SplineObject* contour =
				    static_cast<ObjectData*>(childNode->nodeData)->GetContour(child, doc, 1.0, nullptr);
				if (contour != nullptr)
				{
					AppendSplineContours(*contour, ml, contours);
					SplineObject::Free(contour);
				}
				else
				{
					whole = false;
				}
			}
		}
		MeshData mesh;
		if (!BuildExtrusion(contours, op->GetDataInstanceRef().GetVector(EXTRUDEOBJECT_MOVE), mesh))
		{
			mesh = MeshData();
			whole = false;
		}
		// What ran out of memory is built again at the next evaluation, not kept as if it were the result.
		if (!whole)
			_child = nullptr;
		PolygonObject* poly =
		    PolygonObject::Alloc(static_cast<Int32>(mesh.points.size()), static_cast<Int32>(mesh.polygons.size()));
		if (poly == nullptr)
		{
			_child = nullptr;
			return nullptr;
		}
		std::copy(mesh.points.begin(), mesh.points.end(), poly->GetPointW());
		std::copy(mesh.polygons.begin(), mesh.polygons.end(), poly->GetPolygonW());
		poly->SetName(op->GetName());
		return poly;
	}

private:
	const BaseObject* _child = nullptr;
	UInt32 _childDirty = 0;
};

// The parameters the two types know, so that documents and the dump name them.
constexpr char kTextSplineRes[] = R"(CONTAINER Osplinetext
{
	NAME Osplinetext;
	GROUP ID_OBJECTPROPERTIES
	{
		STRING PRIM_TEXT_TEXT { }
		FONT PRIM_TEXT_FONT { }
		LONG PRIM_TEXT_ALIGN { CYCLE { PRIM_TEXT_ALIGN_LEFT; PRIM_TEXT_ALIGN_MIDDLE; PRIM_TEXT_ALIGN_RIGHT; } }
		REAL PRIM_TEXT_HEIGHT { UNIT METER; MIN 0.0; }
		REAL PRIM_TEXT_HSPACING { UNIT METER; }
		REAL PRIM_TEXT_VSPACING { UNIT METER; }
		BOOL PRIM_TEXT_SEPARATE { }
	}
}
)";

constexpr char kExtrudeRes[] = R"(CONTAINER Oextrude
{
	NAME Oextrude;
	GROUP ID_OBJECTPROPERTIES
	{
		VECTOR EXTRUDEOBJECT_MOVE { UNIT METER; }
		VECTOR EXTRUDEOBJECT_EXTRUSIONOFFSET { UNIT METER; }
		LONG EXTRUDEOBJECT_SUB { MIN 1; }
		LONG EXTRUDEOBJECT_ISOPARM { MIN 1; }
		BOOL EXTRUDEOBJECT_FLIPNORMALS { }
		BOOL EXTRUDEOBJECT_HIERARCHIC { }
	}
}
)";

std::shared_ptr<const resources::DescriptionResource> Describe(const char* text, const char* name,
                                                               const resources::SymbolList& symbols)
{
	auto description = std::make_shared<resources::DescriptionResource>();
	resources::SourceError error;
	if (!resources::ParseDescriptionText(text, name, symbols, *description, error))
		return nullptr;
	return description;
}

bool RegisterTypes()
{
	const resources::SymbolList textSymbols = {{"PRIM_TEXT_TEXT", PRIM_TEXT_TEXT},
	                                           {"PRIM_TEXT_ALIGN", PRIM_TEXT_ALIGN},
	                                           {"PRIM_TEXT_ALIGN_LEFT", PRIM_TEXT_ALIGN_LEFT},
	                                           {"PRIM_TEXT_ALIGN_MIDDLE", PRIM_TEXT_ALIGN_MIDDLE},
	                                           {"PRIM_TEXT_ALIGN_RIGHT", PRIM_TEXT_ALIGN_RIGHT},
	                                           {"PRIM_TEXT_HSPACING", PRIM_TEXT_HSPACING},
	                                           {"PRIM_TEXT_VSPACING", PRIM_TEXT_VSPACING},
	                                           {"PRIM_TEXT_HEIGHT", PRIM_TEXT_HEIGHT},
	                                           {"PRIM_TEXT_SEPARATE", PRIM_TEXT_SEPARATE},
	                                           {"PRIM_TEXT_FONT", PRIM_TEXT_FONT}};
	const resources::SymbolList extrudeSymbols = {{"EXTRUDEOBJECT_ISOPARM", EXTRUDEOBJECT_ISOPARM},
	                                              {"EXTRUDEOBJECT_SUB", EXTRUDEOBJECT_SUB},
	                                              {"EXTRUDEOBJECT_MOVE", EXTRUDEOBJECT_MOVE},
	                                              {"EXTRUDEOBJECT_FLIPNORMALS", EXTRUDEOBJECT_FLIPNORMALS},
	                                              {"EXTRUDEOBJECT_HIERARCHIC", EXTRUDEOBJECT_HIERARCHIC},
	                                              {"EXTRUDEOBJECT_EXTRUSIONOFFSET", EXTRUDEOBJECT_EXTRUSIONOFFSET}};
	return plugins::SetBuiltinAllocator(Osplinetext, &TextSplineData::Alloc,
	                                    Describe(kTextSplineRes, "osplinetext.res", textSymbols)) &&
	       plugins::SetBuiltinAllocator(Oextrude, &ExtrudeData::Alloc,
	                                    Describe(kExtrudeRes, "oextrude.res", extrudeSymbols));
}

const bool g_registered = RegisterTypes();
} // namespace

bool TextAndExtrudeRegistered()
{
	return g_registered;
}
} // namespace surfax::builtins
