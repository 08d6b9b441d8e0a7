// Documents as JSON: round trips to the same bytes and values, errors placed by JSON path, clean rejection of
// every truncated document, and failure paths when memory runs out.
#include "support/document_type.h"
#include "support/host_fixture.h"

#include "customgui_gradient.h"
#include "host/core/memory.h"
#include "host/document/document_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

using namespace cinema;
using namespace surfax::test;
using surfax::io::JsonError;
using surfax::io::LoadDocumentJson;
using surfax::io::SaveDocumentJson;

namespace
{
struct DocumentDeleter
{
	void operator()(BaseDocument* doc) const { BaseDocument::Free(doc); }
};
using DocumentPtr = std::unique_ptr<BaseDocument, DocumentDeleter>;

DocumentPtr Load(std::string_view text)
{
	JsonError error;
	DocumentPtr doc(LoadDocumentJson(text, error));
	EXPECT_NE(doc, nullptr) << error.Format();
	return doc;
}

std::string LoadError(std::string_view text)
{
	JsonError error;
	DocumentPtr doc(LoadDocumentJson(text, error));
	EXPECT_EQ(doc, nullptr) << "loaded: " << text;
	return error.Format();
}

// A document that uses every part of the format, written loosely (any key order, integers for floats, triangles
// with three indices), so that the first save has work to do.
constexpr const char* kRichDocument = R"({
  "objects": [
    {"type": "otestdoc", "name": "Chart \"A\"\t\u00e9", "enabled": false, "folded": false,
     "editorMode": "off", "renderMode": "on", "position": [0.1, -0.0, 1e300], "rotation": [3.141592653589793, 0, -2],
     "colorProperties": {"usecolor": 2, "color": [1, 0.5, 0.25], "xray": true},
     "params": {"DOC_COUNT": 7, "DOC_MODE": "DOC_MODE_C", "DOC_SCALE": 5, "DOC_FLAG": true, "DOC_TEXT": "x\ny",
                "DOC_FILE": "/tmp/a b.png", "DOC_OFFSET": [1, 2, 3], "DOC_TINT": [0.2, 0.4, 0.6],
                "DOC_RAMP": {"gradient": {"mode": 0, "knots": [{"color": [1, 0, 0], "position": 0},
                                                              {"color": [0, 0, 1], "position": 1, "bias": 0.25,
                                                               "interpolation": 3}]}},
                "42": 1.0, "43": 3, "44": {"int64": 9007199254740993}},
     "tags": [{"type": "Tphong", "params": {"1": 0.7853981633974483}},
              {"type": "Tuvw", "uvw": [[[0, 0, 0], [1, 0, 0], [1, 1, 0], [0.1, 0.2, 0.3]]]},
              {"type": 5612}],
     "children": [
       {"type": "Opolygon", "name": "Mesh", "points": [[0, 0, 0], [1, 0, 0], [1, 1, 0], [0, 1, 0]],
        "polygons": [[0, 1, 2, 3], [0, 1, 2]],
        "tags": [{"type": "Tvertexcolor", "colors": [[1, 0, 0, 1], [0, 1, 0, 1], [0, 0, 1, 0.5], [0.3, 0.3, 0.3, 1]]}]},
       {"type": "Ospline", "splineType": "cubic", "points": [[0, 0, 0], [1, 0, 0], [2, 0, 0]],
        "segments": [[2, false], [1, true]], "params": {"1002": 1}},
       {"type": 5140, "children": [{"type": "5140", "name": "deep"}]}
     ]},
    {"type": "Ocube", "params": {"1100": [200.0, 200.0, 200.0]}}
  ],
  "maxFrame": 120, "minFrame": -10, "frame": 12, "fps": 24
})";

class DocumentJson : public ::testing::Test
{
protected:
	void SetUp() override { EnsureDocumentTestType(); }
	void TearDown() override { surfax::core::FailAllocationAfter(0); }
};
} // namespace

// --- Round trips ---------------------------------------------------------------------------------------------------

TEST_F(DocumentJson, SavingALoadedDocumentAgainGivesTheSameBytes)
{
	DocumentPtr first = Load(kRichDocument);
	ASSERT_NE(first, nullptr);
	const std::string saved = SaveDocumentJson(*first);
	DocumentPtr second = Load(saved);
	ASSERT_NE(second, nullptr);
	EXPECT_EQ(SaveDocumentJson(*second), saved);
	EXPECT_EQ(saved.back(), '\n');
}

TEST_F(DocumentJson, LoadingKeepsTimeTreeStateAndGeometry)
{
	DocumentPtr doc = Load(SaveDocumentJson(*Load(kRichDocument)));
	ASSERT_NE(doc, nullptr);
	EXPECT_EQ(doc->GetFps(), 24);
	EXPECT_EQ(doc->GetTime().GetFrame(24), 12);
	EXPECT_EQ(doc->GetMinTime().GetFrame(24), -10);
	EXPECT_EQ(doc->GetMaxTime().GetFrame(24), 120);

	BaseObject* chart = doc->GetFirstObject();
	ASSERT_NE(chart, nullptr);
	EXPECT_EQ(chart->GetType(), kDocumentTestType);
	EXPECT_EQ(chart->GetName().GetUtf8(), "Chart \"A\"\t\xc3\xa9");
	EXPECT_FALSE(chart->GetDeformMode());
	EXPECT_TRUE(chart->GetNBit(NBIT::OM1_FOLD));
	EXPECT_EQ(chart->GetEditorMode(), MODE_OFF);
	EXPECT_EQ(chart->GetRenderMode(), MODE_ON);
	const Vector position = chart->GetRelPos();
	EXPECT_EQ(position.x, 0.1);
	EXPECT_TRUE(std::signbit(position.y)) << "-0.0 must keep its sign";
	EXPECT_EQ(position.z, 1e300);
	EXPECT_EQ(chart->GetRelRot(), Vector(3.141592653589793, 0, -2));
	ObjectColorProperties color;
	chart->GetColorProperties(&color);
	EXPECT_EQ(color.color, Vector(1, 0.5, 0.25));
	EXPECT_EQ(color.usecolor, 2);
	EXPECT_TRUE(color.xray);

	// Tags in order, with their elements.
	const BaseTag* tag = chart->GetFirstTag();
	ASSERT_NE(tag, nullptr);
	EXPECT_EQ(tag->GetType(), Tphong);
	EXPECT_EQ(tag->GetDataInstanceRef().GetFloat(1), 0.7853981633974483);
	tag = tag->GetNext();
	ASSERT_NE(tag, nullptr);
	ASSERT_EQ(tag->GetType(), Tuvw);
	const UVWTag* uvwTag = static_cast<const UVWTag*>(tag);
	ASSERT_EQ(uvwTag->GetDataCount(), 1);
	UVWStruct uvw;
	UVWTag::Get(uvwTag->GetDataAddressR(), 0, uvw);
	EXPECT_EQ(uvw.c, Vector(1, 1, 0));
	EXPECT_EQ(uvw.d, Vector(Float32(0.1), Float32(0.2), Float32(0.3)));
	ASSERT_NE(tag->GetNext(), nullptr);
	EXPECT_EQ(tag->GetNext()->GetNext(), nullptr);

	// Children in order; triangles stored with c == d.
	const BaseObject* mesh = chart->GetDown();
	ASSERT_NE(mesh, nullptr);
	ASSERT_EQ(mesh->GetType(), Opolygon);
	const PolygonObject* poly = static_cast<const PolygonObject*>(mesh);
	ASSERT_EQ(poly->GetPointCount(), 4);
	ASSERT_EQ(poly->GetPolygonCount(), 2);
	EXPECT_EQ(poly->GetPointR()[2], Vector(1, 1, 0));
	EXPECT_EQ(poly->GetPolygonR()[1], CPolygon(0, 1, 2));
	const BaseTag* colors = mesh->GetFirstTag();
	ASSERT_NE(colors, nullptr);
	ASSERT_EQ(colors->GetType(), Tvertexcolor);
	const maxon::ColorA32 third =
	    VertexColorTag::Get(static_cast<const VertexColorTag*>(colors)->GetDataAddressR(), nullptr, nullptr, 2);
	EXPECT_EQ(third.b, 1.0f);
	EXPECT_EQ(third.a, 0.5f);

	const BaseObject* splineObject = mesh->GetNext();
	ASSERT_NE(splineObject, nullptr);
	ASSERT_EQ(splineObject->GetType(), Ospline);
	const SplineObject* spline = static_cast<const SplineObject*>(splineObject);
	EXPECT_EQ(spline->GetInterpolationType(), SPLINETYPE::CUBIC);
	ASSERT_EQ(spline->GetSegmentCount(), 2);
	EXPECT_EQ(spline->GetSegmentR()[0].cnt, 2);
	EXPECT_TRUE(spline->GetSegmentR()[1].closed);
	EXPECT_TRUE(spline->IsClosed());

	const BaseObject* group = splineObject->GetNext();
	ASSERT_NE(group, nullptr);
	ASSERT_NE(group->GetDown(), nullptr);
	EXPECT_EQ(group->GetDown()->GetName().GetUtf8(), "deep");
	ASSERT_NE(chart->GetNext(), nullptr);
	EXPECT_EQ(chart->GetNext()->GetType(), Ocube);
	EXPECT_EQ(chart->GetNext()->GetDataInstanceRef().GetVector(1100), Vector(200.0));
}

TEST_F(DocumentJson, ParametersKeepTheKindTheirDescriptionGives)
{
	DocumentPtr doc = Load(SaveDocumentJson(*Load(kRichDocument)));
	ASSERT_NE(doc, nullptr);
	const BaseContainer& bc = doc->GetFirstObject()->GetDataInstanceRef();
	EXPECT_EQ(bc.GetData(DOC_COUNT), GeData(Int32(7)));
	EXPECT_EQ(bc.GetData(DOC_MODE), GeData(Int32(DOC_MODE_C)));
	EXPECT_EQ(bc.GetData(DOC_SCALE), GeData(5.0)) << "a REAL written as 5 is still a float";
	EXPECT_EQ(bc.GetData(DOC_FLAG).GetType(), DA_LONG);
	EXPECT_TRUE(bc.GetBool(DOC_FLAG));
	EXPECT_EQ(bc.GetString(DOC_TEXT).GetUtf8(), "x\ny");
	EXPECT_EQ(bc.GetData(DOC_FILE).GetType(), DA_FILENAME);
	EXPECT_EQ(bc.GetFilename(DOC_FILE).GetString().GetUtf8(), "/tmp/a b.png");
	EXPECT_EQ(bc.GetVector(DOC_OFFSET), Vector(1, 2, 3));
	EXPECT_EQ(bc.GetVector(DOC_TINT), Vector(0.2, 0.4, 0.6));
	// Ids the description does not declare keep the kind the text gave them.
	EXPECT_EQ(bc.GetData(42), GeData(1.0));
	EXPECT_EQ(bc.GetData(43), GeData(Int32(3)));
	EXPECT_EQ(bc.GetData(44), GeData(Int64(9007199254740993), LLONGVALUE));

	const Gradient* ramp = bc.GetCustomDataType<Gradient>(DOC_RAMP);
	ASSERT_NE(ramp, nullptr);
	ASSERT_EQ(ramp->GetKnotCount(), 2);
	const maxon::GradientKnot second = ramp->GetKnot(1);
	EXPECT_EQ(second.col, maxon::Color(0, 0, 1));
	EXPECT_EQ(second.pos, 1.0);
	EXPECT_EQ(second.bias, 0.25);
	EXPECT_EQ(second.interpolation, maxon::GRADIENT_INTERPOLATION_TYPE::LINEARKNOT);
	EXPECT_EQ(ramp->GetKnot(0).interpolation, maxon::GRADIENT_INTERPOLATION_TYPE::SMOOTHKNOT);
}

TEST_F(DocumentJson, UntypedValuesOfEveryKindSurviveARoundTrip)
{
	TestDocument source;
	BaseObject* op = source.Add(Onull);
	ASSERT_NE(op, nullptr);
	BaseContainer& bc = op->GetDataInstanceRef();
	BaseContainer inner(77);
	inner.SetFloat(1, 2.0);
	BaseContainer innermost;
	innermost.SetString(5, "deep");
	inner.SetContainer(2, innermost);
	GeData gradientData(CUSTOMDATATYPE_GRADIENT, DEFAULTVALUE);
	Gradient* gradient = gradientData.GetCustomDataTypeWritable<Gradient>();
	ASSERT_NE(gradient, nullptr);
	maxon::GradientKnot knot;
	knot.col = maxon::Color(0.1, 0.2, 0.3);
	knot.brightness = 0.5;
	knot.pos = 0.75;
	knot.index = 4;
	gradient->InsertKnot(knot);
	gradient->SetData(GRADIENT_MODE, GeData(Int32(GRADIENTMODE_COLORALPHA)));

	const std::vector<std::pair<Int32, GeData>> values = {
	    {1, GeData(Int32(-5))},
	    {2, GeData(1.0)},
	    {3, GeData(-0.0)},
	    {4, GeData(1.0 / 3.0)},
	    {5, GeData(std::numeric_limits<double>::infinity())},
	    {6, GeData(-std::numeric_limits<double>::infinity())},
	    {7, GeData(Int64(-1) << 40, LLONGVALUE)},
	    {8, GeData(Vector(1e-300, -2.5, 7))},
	    {9, GeData("quote \" backslash \\ control \x01 unicode \xe2\x82\xac")},
	    {10, GeData(Filename("dir/file.json"))},
	    {11, GeData(BaseTime(45.0, 30.0))},
	    {12, GeData(Matrix(Vector(1, 2, 3), Vector(0, 1, 0), Vector(-1, 0, 0), Vector(0, 0, 1)))},
	    {13, GeData(inner)},
	    {14, gradientData},
	    {15, GeData(std::numeric_limits<double>::max())},
	};
	for (const auto& [id, value] : values)
		bc.SetData(id, value);
	bc.SetData(16, GeData(std::numeric_limits<double>::quiet_NaN()));

	const std::string saved = SaveDocumentJson(*source.Get());
	DocumentPtr loaded = Load(saved);
	ASSERT_NE(loaded, nullptr);
	const BaseContainer& back = loaded->GetFirstObject()->GetDataInstanceRef();
	for (const auto& [id, value] : values)
		EXPECT_EQ(back.GetData(id), value) << "id " << id << " in\n" << saved;
	EXPECT_TRUE(std::signbit(back.GetFloat(3)));
	EXPECT_EQ(back.GetData(16).GetType(), DA_REAL);
	EXPECT_TRUE(std::isnan(back.GetFloat(16)));
	EXPECT_EQ(SaveDocumentJson(*loaded), saved);
}

TEST_F(DocumentJson, NonFiniteNumbersTravelAsStringsAndComeBack)
{
	constexpr double kInf = std::numeric_limits<double>::infinity();
	TestDocument source;
	BaseObject* op = source.Add(kDocumentTestType);
	ASSERT_NE(op, nullptr);
	op->SetRelPos(Vector(kInf, -kInf, 0));
	op->GetDataInstanceRef().SetFloat(DOC_SCALE, -kInf);
	op->GetDataInstanceRef().SetVector(DOC_OFFSET, Vector(std::numeric_limits<double>::quiet_NaN(), 1, 2));
	VertexColorTag* colors = static_cast<VertexColorTag*>(op->MakeVariableTag(Tvertexcolor, 1));
	ASSERT_NE(colors, nullptr);
	VertexColorTag::Set(colors->GetDataAddressW(), nullptr, nullptr, 0, maxon::ColorA32(1, 0, 0, INFINITY));

	const std::string saved = SaveDocumentJson(*source.Get());
	DocumentPtr loaded = Load(saved);
	ASSERT_NE(loaded, nullptr);
	const BaseObject* back = loaded->GetFirstObject();
	EXPECT_EQ(back->GetRelPos(), Vector(kInf, -kInf, 0));
	EXPECT_EQ(back->GetDataInstanceRef().GetData(DOC_SCALE), GeData(-kInf));
	EXPECT_TRUE(std::isnan(back->GetDataInstanceRef().GetVector(DOC_OFFSET).x));
	const maxon::ColorA32 c = VertexColorTag::Get(
	    static_cast<const VertexColorTag*>(back->GetFirstTag())->GetDataAddressR(), nullptr, nullptr, 0);
	EXPECT_TRUE(std::isinf(c.a));
	EXPECT_EQ(SaveDocumentJson(*loaded), saved);
}

TEST_F(DocumentJson, SavedTextDoesNotDependOnTheOrderValuesWereSet)
{
	TestDocument a;
	TestDocument b;
	BaseObject* x = a.Add(kDocumentTestType);
	BaseObject* y = b.Add(kDocumentTestType);
	ASSERT_TRUE(x != nullptr && y != nullptr);
	x->GetDataInstanceRef().SetFloat(DOC_SCALE, 2.0);
	x->GetDataInstanceRef().SetInt32(900, 1);
	x->GetDataInstanceRef().SetInt32(DOC_COUNT, 3);
	x->GetDataInstanceRef().SetInt32(800, 2);
	y->GetDataInstanceRef().SetInt32(800, 2);
	y->GetDataInstanceRef().SetInt32(DOC_COUNT, 3);
	y->GetDataInstanceRef().SetInt32(900, 1);
	y->GetDataInstanceRef().SetFloat(DOC_SCALE, 2.0);
	EXPECT_EQ(SaveDocumentJson(*a.Get()), SaveDocumentJson(*b.Get()));
}

TEST_F(DocumentJson, NamesThatAreNotValidUtf8StillGiveReadableJson)
{
	TestDocument source;
	BaseObject* op = source.Add(Onull);
	ASSERT_NE(op, nullptr);
	op->SetName("bad \xff\xfe end \xc3");
	DocumentPtr loaded = Load(SaveDocumentJson(*source.Get()));
	ASSERT_NE(loaded, nullptr);
	EXPECT_EQ(loaded->GetFirstObject()->GetName().GetUtf8(), "bad \xef\xbf\xbd\xef\xbf\xbd end \xef\xbf\xbd");
}

// --- Loading -----------------------------------------------------------------------------------------------------

TEST_F(DocumentJson, AcceptsNumericIdsCycleValuesAndTypeIds)
{
	DocumentPtr doc = Load(R"({"objects": [{"type": 1999001, "params": {"1001": 4, "DOC_MODE": 5}},
		{"type": "1999001", "params": {"DOC_MODE": "DOC_MODE_A"}}]})");
	ASSERT_NE(doc, nullptr);
	const BaseObject* first = doc->GetFirstObject();
	EXPECT_EQ(first->GetDataInstanceRef().GetInt32(DOC_COUNT), 4);
	EXPECT_EQ(first->GetDataInstanceRef().GetInt32(DOC_MODE), DOC_MODE_C);
	EXPECT_EQ(first->GetNext()->GetType(), kDocumentTestType);
	EXPECT_EQ(first->GetNext()->GetDataInstanceRef().GetData(DOC_MODE), GeData(Int32(DOC_MODE_A)));
}

TEST_F(DocumentJson, MissingKeysKeepWhatAllocationGave)
{
	ASSERT_TRUE(EnsurePluginLoaded("testplug"));
	DocumentPtr doc = Load(R"({"objects": [{"type": "otestgen", "params": {"TESTGEN_CHILDREN": 3}}]})");
	ASSERT_NE(doc, nullptr);
	EXPECT_EQ(doc->GetFps(), 30);
	const BaseObject* op = doc->GetFirstObject();
	EXPECT_EQ(op->GetName().GetUtf8(), "Test Generator");
	EXPECT_TRUE(op->GetDeformMode());
	EXPECT_EQ(op->GetEditorMode(), MODE_UNDEF);
	EXPECT_EQ(op->GetDataInstanceRef().GetFloat(1003), 10.0) << "Init's default stays";
	EXPECT_EQ(op->GetDataInstanceRef().GetInt32(1002), 3);
}

// --- Errors ------------------------------------------------------------------------------------------------------

TEST_F(DocumentJson, ParameterErrorsNameTheParameterAndWhatWasExpected)
{
	const auto params = [](const std::string& members)
	{ return R"({"objects": [{"type": "otestdoc", "params": {)" + members + "}}]}"; };
	const std::pair<std::string, std::string> cases[] = {
	    {params(R"("DOC_COUNT": 2.5)"), "objects[0].params.DOC_COUNT: expected an integer"},
	    {params(R"("DOC_COUNT": "3")"), "objects[0].params.DOC_COUNT: expected an integer"},
	    {params(R"("DOC_COUNT": 3000000000)"), "objects[0].params.DOC_COUNT: integer out of range"},
	    {params(R"("DOC_MODE": 3)"),
	     "objects[0].params.DOC_MODE: 3 is not one of the cycle's values: 0 (DOC_MODE_A), 5 (DOC_MODE_C)"},
	    {params(R"("DOC_MODE": "DOC_MODE_B")"),
	     "objects[0].params.DOC_MODE: not a cycle entry; expected one of 0 (DOC_MODE_A), 5 (DOC_MODE_C)"},
	    {params(R"("DOC_SCALE": "big")"), "objects[0].params.DOC_SCALE: expected a number"},
	    {params(R"("DOC_FLAG": 1)"), "objects[0].params.DOC_FLAG: expected true or false"},
	    {params(R"("DOC_TEXT": 5)"), "objects[0].params.DOC_TEXT: expected a string"},
	    {params(R"("DOC_OFFSET": [1, 2])"), "objects[0].params.DOC_OFFSET: expected [x, y, z]"},
	    {params(R"("DOC_TINT": [1, 2, "3"])"), "objects[0].params.DOC_TINT: expected [x, y, z]"},
	    {params(R"("DOC_RAMP": {"knots": []})"), "objects[0].params.DOC_RAMP: expected {\"gradient\": {...}}"},
	    {params(R"("DOC_RAMP": {"gradient": {"knots": [{}, {"position": "x"}]}})"),
	     "objects[0].params.DOC_RAMP.gradient.knots[1].position: expected a number"},
	    {params(R"("DOC_RAMP": {"gradient": {"knots": [{"interpolation": 4}]}})"),
	     "objects[0].params.DOC_RAMP.gradient.knots[0].interpolation: expected an interpolation (0 to 3 or 5 to 8)"},
	    {params(R"("DOC_RAMP": {"gradient": {"mode": 0, "colour": 1}})"),
	     "objects[0].params.DOC_RAMP.gradient.colour: unknown key"},
	    {params(R"("DOC_FONT": {})"),
	     "objects[0].params.DOC_FONT: expected {\"font\": {\"family\": \"...\", \"style\": \"...\"}}"},
	    {params(R"("DOC_FONT": {"font": {"family": 3}})"), "objects[0].params.DOC_FONT.font.family: expected a string"},
	    {params(R"("DOC_PRESS": 1)"), "objects[0].params.DOC_PRESS: a BUTTON parameter holds no value"},
	    {params(R"("DOC_NOPE": 1)"), "objects[0].params.DOC_NOPE: unknown parameter of otestdoc"},
	    {params(R"("DOC_COUNT": 1, "1001": 2)"), "objects[0].params.DOC_COUNT: parameter 1001 is given twice"},
	    {params(R"("7": 4294967296)"),
	     "objects[0].params.7: integer out of range (write {\"int64\": N} for 64-bit values)"},
	    {params(R"("7": {"container": {"values": {"x": 1}}})"),
	     "objects[0].params.7.container.values.x: expected a numeric id"},
	    {params(R"("7": {"complex": 1})"), "objects[0].params.7.complex: unknown value kind"},
	    {params(R"("7": null)"),
	     "objects[0].params.7: expected a number, a string, true or false, [x, y, z] or a one-member object"},
	    {R"({"objects": [{"type": "Onull", "params": {"SIZE": 1}}]})",
	     "objects[0].params.SIZE: Onull has no description: parameters take numeric ids"},
	};
	for (const auto& [text, expected] : cases)
		EXPECT_EQ(LoadError(text), expected) << text;
}

TEST_F(DocumentJson, StructureErrorsNameTheirPlaceInTheTree)
{
	const std::pair<std::string, std::string> cases[] = {
	    {"[]", "expected a JSON object at the top"},
	    {R"({"fps": 0})", "fps: expected an integer from 1 to 1000"},
	    {R"({"fps": 30.5})", "fps: expected an integer from 1 to 1000"},
	    {R"({"frame": "1"})", "frame: expected an integer"},
	    {R"({"minFrame": 10, "maxFrame": 5})", "maxFrame: is less than minFrame"},
	    {R"({"objects": {}})", "objects: expected an array"},
	    {R"({"object": []})", "object: unknown key"},
	    {R"({"objects": [5]})", "objects[0]: expected an object"},
	    {R"({"objects": [{"name": "x"}]})", "objects[0]: missing \"type\""},
	    {R"({"objects": [{"type": "Onothing"}]})", "objects[0].type: unknown object type \"Onothing\""},
	    {R"({"objects": [{"type": 17}]})", "objects[0].type: unknown object type 17"},
	    {R"({"objects": [{"type": "Onull", "colour": 1}]})", "objects[0].colour: unknown key"},
	    {R"({"objects": [{"type": "Onull", "enabled": "yes"}]})", "objects[0].enabled: expected true or false"},
	    {R"({"objects": [{"type": "Onull", "editorMode": "hidden"}]})",
	     "objects[0].editorMode: expected \"on\", \"off\" or \"default\""},
	    {R"({"objects": [{"type": "Onull", "position": [0, 0]}]})", "objects[0].position: expected [x, y, z]"},
	    {R"({"objects": [{"type": "Onull", "colorProperties": {"usecolor": 9}}]})",
	     "objects[0].colorProperties.usecolor: expected 0, 1, 2 or 3"},
	    {R"({"objects": [{"type": "Onull", "children": [{"type": "Onull"}, {"type": "Onull", "name": 1}]}]})",
	     "objects[0].children[1].name: expected a string"},
	    {R"({"objects": [{"type": "Onull", "points": []}]})",
	     "objects[0].points: only polygon objects and splines have points"},
	    {R"({"objects": [{"type": "Ospline", "polygons": []}]})",
	     "objects[0].polygons: only polygon objects have polygons"},
	    {R"({"objects": [{"type": "Opolygon", "points": [[0, 0, 0]], "polygons": [[0, 0, 1]]}]})",
	     "objects[0].polygons[0]: point index 1 is out of range (1 points)"},
	    {R"({"objects": [{"type": "Opolygon", "points": [[0, 0, 0]], "polygons": [[0, 0]]}]})",
	     "objects[0].polygons[0]: expected [a, b, c, d] or [a, b, c]"},
	    {R"({"objects": [{"type": "Ospline", "points": [[0, 0, 0]], "segments": [[2, false]]}]})",
	     "objects[0].segments: the segments hold 2 points but the spline has 1"},
	    {R"({"objects": [{"type": "Ospline", "splineType": "smooth"}]})",
	     "objects[0].splineType: expected \"linear\", \"cubic\", \"akima\", \"bspline\" or \"bezier\""},
	    {R"({"objects": [{"type": "Onull", "tags": [{"type": "Tnothing"}]}]})",
	     "objects[0].tags[0].type: unknown tag type"},
	    {R"({"objects": [{"type": "Onull", "tags": [{"type": "Tphong", "uvw": []}]}]})",
	     "objects[0].tags[0].uvw: only UVW tags hold uvw"},
	    {R"({"objects": [{"type": "Onull", "tags": [{"type": "Tuvw", "uvw": [[[0, 0, 0]]]}]}]})",
	     "objects[0].tags[0].uvw[0]: expected four [u, v, w] corners"},
	    {R"({"objects": [{"type": "Onull", "tags": [{"type": "Tvertexcolor", "colors": [[1, 1, 1]]}]}]})",
	     "objects[0].tags[0].colors[0]: expected [r, g, b, a]"},
	};
	for (const auto& [text, expected] : cases)
		EXPECT_EQ(LoadError(text), expected) << text;
}

TEST_F(DocumentJson, TooDeepATreeIsAnErrorNotACrash)
{
	std::string text = R"({"objects": [)";
	for (int i = 0; i < 200; ++i)
		text += R"({"type": "Onull", "children": [)";
	for (int i = 0; i < 200; ++i)
		text += "]}";
	text += "]}";
	const std::string message = LoadError(text);
	EXPECT_NE(message.find("objects nested deeper than 64 levels"), std::string::npos) << message;
	EXPECT_EQ(message.rfind("objects[0].children[0].", 0), 0u) << message;

	// Deep JSON that is not a tree of objects: parsed and freed without recursion, rejected by the reader.
	const std::string deepArrays = std::string(100000, '[') + std::string(100000, ']');
	EXPECT_EQ(LoadError(R"({"objects": [)" + deepArrays + "]}"), "objects[0]: expected an object");
}

TEST_F(DocumentJson, TextThatIsNotJsonIsPlacedByLineAndColumn)
{
	JsonError error;
	DocumentPtr doc(LoadDocumentJson("{\n  \"fps\": 30,\n  oops\n}", error));
	EXPECT_EQ(doc, nullptr);
	EXPECT_EQ(error.line, 3);
	EXPECT_EQ(error.column, 3);
	EXPECT_EQ(error.path, "");
	EXPECT_EQ(error.Format("doc.json").rfind("doc.json:3:3: ", 0), 0u) << error.Format("doc.json");
	EXPECT_EQ(error.message.find("[json.exception"), std::string::npos) << error.message;
}

TEST_F(DocumentJson, EveryPrefixOfAValidDocumentIsRejectedCleanly)
{
	const std::string full = SaveDocumentJson(*Load(kRichDocument));
	const std::size_t end = full.find_last_not_of(" \n") + 1;
	for (std::size_t length = 0; length < end; ++length)
	{
		JsonError error;
		DocumentPtr doc(LoadDocumentJson(std::string_view(full).substr(0, length), error));
		EXPECT_EQ(doc, nullptr) << "prefix of " << length << " bytes loaded";
		EXPECT_GT(error.line, 0) << "prefix of " << length << " bytes: " << error.Format();
	}
}

TEST_F(DocumentJson, RunningOutOfMemoryIsAnErrorAtEveryStep)
{
	int failures = 0;
	for (std::int64_t n = 1; n < 400; ++n)
	{
		surfax::core::FailAllocationAfter(n);
		JsonError error;
		DocumentPtr doc(LoadDocumentJson(kRichDocument, error));
		const bool reached = surfax::core::CountedAllocations() >= n;
		surfax::core::FailAllocationAfter(0);
		if (!reached)
		{
			EXPECT_NE(doc, nullptr) << error.Format();
			break;
		}
		if (doc == nullptr)
		{
			++failures;
			EXPECT_NE(error.message.find("out of memory"), std::string::npos)
			    << "allocation " << n << ": " << error.Format();
		}
	}
	EXPECT_GT(failures, 5);
}
