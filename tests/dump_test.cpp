// The dump of an evaluated document: the contract tools read (read back here with a JSON parser), exact floats,
// byte-identical output, drawings per pass, and a bounded walk.
#include "support/document_type.h"
#include "support/host_fixture.h"

#include "host/draw/draw_recorder.h"
#include "host/document/dump.h"
#include "host/document/document_json.h"
#include "ospline.h"
#include "plugins/testplug/res/description/otestgen.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

using namespace cinema;
using nlohmann::json;
using surfax::test::TestDocument;

namespace
{
constexpr Int32 kTestGenerator = 1000001;

std::string DumpText(const TestDocument& doc, const surfax::io::DumpOptions& options = {})
{
	std::string text;
	std::string error;
	EXPECT_TRUE(surfax::io::DumpDocument(*doc.Get(), options, text, error)) << error;
	return text;
}

json ParsedDump(const TestDocument& doc, const surfax::io::DumpOptions& options = {})
{
	return json::parse(DumpText(doc, options));
}

Vector AsVector(const json& v)
{
	return Vector(v.at(0).get<double>(), v.at(1).get<double>(), v.at(2).get<double>());
}

class Dump : public ::testing::Test
{
protected:
	void SetUp() override { ASSERT_TRUE(surfax::test::EnsurePluginLoaded("testplug")); }
	TestDocument doc;
};
} // namespace

TEST_F(Dump, DescribesTheDocumentAndAGeneratorWithItsCache)
{
	doc.SetFrame(15);
	BaseObject* op = doc.Add(kTestGenerator);
	ASSERT_NE(op, nullptr);
	op->SetName("gen");
	op->GetDataInstanceRef().SetInt32(TESTGEN_CHILDREN, 2);
	op->GetDataInstanceRef().SetInt32(TESTGEN_MODE, TESTGEN_MODE_B);
	doc.Add(Onull, op)->SetName("child");
	doc.Evaluate();

	const json dump = ParsedDump(doc);
	EXPECT_EQ(dump["host"]["apiVersion"], 2025200);
	EXPECT_EQ(dump["document"], json::parse(R"({"fps": 30, "frame": 15, "time": 0.5, "minFrame": 0, "maxFrame": 90})"));
	ASSERT_EQ(dump["objects"].size(), 1u);
	const json& node = dump["objects"][0];
	EXPECT_EQ(node["name"], "gen");
	EXPECT_EQ(node["type"], kTestGenerator);
	EXPECT_EQ(node["typeName"], "otestgen");
	EXPECT_EQ(node["params"]["TESTGEN_CHILDREN"], 2);
	EXPECT_EQ(node["params"]["TESTGEN_MODE"], TESTGEN_MODE_B);
	EXPECT_EQ(node["params"]["TESTGEN_SIZE"], 10.0);
	EXPECT_EQ(node["params"]["TESTGEN_LABEL"], "test");
	EXPECT_EQ(node["params"]["TESTGEN_FLAG"], false);
	EXPECT_EQ(node["params"]["TESTGEN_BUILDS"], 1) << "values the plug-in wrote while evaluating are shown";
	EXPECT_FALSE(node["params"].contains("TESTGEN_PRESS")) << "buttons hold no value";

	const json& cache = node["cache"];
	ASSERT_TRUE(cache.is_object());
	EXPECT_EQ(cache["typeName"], "Onull");
	ASSERT_EQ(cache["children"].size(), 2u);
	EXPECT_EQ(AsVector(cache["children"][1]["position"]), Vector(1, 0, 0));
	EXPECT_TRUE(cache["children"][1]["cache"].is_null());
	ASSERT_EQ(node["children"].size(), 1u);
	EXPECT_EQ(node["children"][0]["name"], "child");
	EXPECT_TRUE(node["children"][0]["cache"].is_null());
	EXPECT_FALSE(node.contains("draw"));
}

TEST_F(Dump, IsByteIdenticalForTheSameDocument)
{
	BaseObject* cube = doc.Add(Ocube);
	cube->SetRelPos(Vector(0.1 + 0.2, -1.0 / 3.0, 1e21));
	PolygonObject* poly = static_cast<PolygonObject*>(doc.Add(Opolygon, cube));
	ASSERT_TRUE(poly->ResizeObject(3, 1));
	poly->GetPointW()[1] = Vector(1.0 / 3.0, 2e-308, -7.5);
	poly->GetPolygonW()[0] = CPolygon(0, 1, 2);
	poly->MakeTag(Tphong)->GetDataInstanceRef().SetFloat(7, 0.1);
	doc.Evaluate();
	const std::string text = DumpText(doc);
	EXPECT_EQ(DumpText(doc), text);

	// A copy made through a saved document dumps to the same bytes: nothing depends on addresses or allocation order.
	surfax::io::JsonError error;
	TestDocument copy;
	BaseDocument* loaded = surfax::io::LoadDocumentJson(surfax::io::SaveDocumentJson(*doc.Get()), error);
	ASSERT_NE(loaded, nullptr) << error.Format();
	while (BaseObject* op = loaded->GetFirstObject())
	{
		op->Remove();
		op->InsertUnderLast(copy.Get());
	}
	BaseDocument::Free(loaded);
	copy.Evaluate();
	EXPECT_EQ(DumpText(copy), text);
}

TEST_F(Dump, WritesGeometryTagsAndFloatsThatReadBackExactly)
{
	BaseObject* meshObject = doc.Add(Opolygon);
	PolygonObject* mesh = static_cast<PolygonObject*>(meshObject);
	ASSERT_TRUE(mesh->ResizeObject(4, 2));
	const Vector tricky[4] = {Vector(0.1, 1.0 / 3.0, -0.0), Vector(1e-300, 123456789.125, -2.5e15),
	                          Vector(5e-324, 1.7976931348623157e308, 0.30000000000000004), Vector(-180, 180, 90)};
	for (int i = 0; i < 4; ++i)
		mesh->GetPointW()[i] = tricky[i];
	mesh->GetPolygonW()[0] = CPolygon(0, 1, 2, 3);
	mesh->GetPolygonW()[1] = CPolygon(0, 2, 3);
	mesh->SetRelRot(Vector(0.5235987755982988, 0, 0));
	mesh->SetPhong(true, true, 0.3);
	UVWTag* uvw = static_cast<UVWTag*>(mesh->MakeVariableTag(Tuvw, 2, mesh->GetTag(Tphong)));
	ASSERT_NE(uvw, nullptr);
	UVWTag::Set(uvw->GetDataAddressW(), 1, UVWStruct(Vector(0, 0, 0), Vector(0.25, 0, 0), Vector(0.25, 0.5, 0)));
	VertexColorTag* colors = static_cast<VertexColorTag*>(mesh->MakeVariableTag(Tvertexcolor, 4, uvw));
	ASSERT_NE(colors, nullptr);
	VertexColorTag::Set(colors->GetDataAddressW(), nullptr, nullptr, 3, maxon::ColorA32(0.5f, 0.25f, 1.0f, 0.75f));

	SplineObject* spline = SplineObject::Alloc(3, SPLINETYPE::CUBIC);
	ASSERT_NE(spline, nullptr);
	spline->InsertUnderLast(doc.Get());
	ASSERT_TRUE(spline->ResizeObject(3, 2));
	spline->GetSegmentW()[0] = Segment{2, false};
	spline->GetSegmentW()[1] = Segment{1, true};
	spline->GetDataInstanceRef().SetBool(SPLINEOBJECT_CLOSED, true);

	const json dump = ParsedDump(doc);
	const json& node = dump["objects"][0];
	ASSERT_EQ(node["points"].size(), 4u);
	for (int i = 0; i < 4; ++i)
		EXPECT_EQ(AsVector(node["points"][i]), tricky[i]) << "point " << i;
	EXPECT_TRUE(std::signbit(node["points"][0][2].get<double>()));
	EXPECT_EQ(node["rotation"][0].get<double>(), 0.5235987755982988);
	EXPECT_EQ(node["polygons"], json::parse("[[0, 1, 2, 3], [0, 2, 3, 3]]"));
	EXPECT_FALSE(node.contains("segments"));

	const json& tags = node["tags"];
	ASSERT_EQ(tags.size(), 3u);
	EXPECT_EQ(tags[0]["typeName"], "Tphong");
	EXPECT_EQ(tags[0]["type"], Tphong);
	EXPECT_FALSE(tags[0].contains("uvw"));
	EXPECT_EQ(tags[1]["typeName"], "Tuvw");
	ASSERT_EQ(tags[1]["uvw"].size(), 2u);
	EXPECT_EQ(tags[1]["uvw"][1], json::parse("[[0, 0, 0], [0.25, 0, 0], [0.25, 0.5, 0], [0.25, 0.5, 0]]"));
	EXPECT_EQ(tags[2]["typeName"], "Tvertexcolor");
	ASSERT_EQ(tags[2]["colors"].size(), 4u);
	EXPECT_EQ(tags[2]["colors"][3], json::parse("[0.5, 0.25, 1, 0.75]"));

	const json& splineNode = dump["objects"][1];
	EXPECT_EQ(splineNode["typeName"], "Ospline");
	EXPECT_EQ(splineNode["segments"], json::parse("[[2, false], [1, true]]"));
	EXPECT_EQ(splineNode["splineType"], "cubic");
	EXPECT_EQ(splineNode["closed"], true);
	EXPECT_EQ(splineNode["points"].size(), 3u);
	EXPECT_FALSE(splineNode.contains("polygons"));
}

TEST_F(Dump, ReportsVisibilityFoldingAndColour)
{
	BaseObject* op = doc.Add(Onull);
	op->SetEditorMode(MODE_OFF);
	op->SetRenderMode(MODE_ON);
	op->SetDeformMode(false);
	ObjectColorProperties color;
	color.color = Vector(0.2, 0.4, 0.8);
	color.usecolor = ID_BASEOBJECT_USECOLOR_ALWAYS;
	color.xray = true;
	op->SetColorProperties(&color);
	BaseObject* unfolded = doc.Add(Onull);
	unfolded->ChangeNBit(NBIT::OM1_FOLD, NBITCONTROL::SET);

	const json dump = ParsedDump(doc);
	const json& node = dump["objects"][0];
	EXPECT_EQ(node["editorMode"], "off");
	EXPECT_EQ(node["renderMode"], "on");
	EXPECT_EQ(node["enabled"], false);
	EXPECT_EQ(node["folded"], true);
	EXPECT_EQ(node["colorProperties"], json::parse(R"({"color": [0.2, 0.4, 0.8], "usecolor": 2, "xray": true})"));
	EXPECT_EQ(dump["objects"][1]["editorMode"], "default");
	EXPECT_EQ(dump["objects"][1]["folded"], false);
}

TEST_F(Dump, ShowsDrawingsPerPassWhenGiven)
{
	BaseObject* op = doc.Add(kTestGenerator);
	op->GetDataInstanceRef().SetFloat(TESTGEN_SIZE, 42.0);
	op->SetRelPos(Vector(5, 0, 0));
	doc.Add(Onull);
	doc.Evaluate();
	const std::vector<surfax::draw::ObjectDrawing> drawings = surfax::draw::DrawDocument(doc.Get());
	surfax::io::DumpOptions options;
	options.drawings = &drawings;

	const json dump = ParsedDump(doc, options);
	const json& draw = dump["objects"][0]["draw"];
	ASSERT_EQ(draw.size(), 2u);
	EXPECT_EQ(draw[0]["pass"], "object");
	EXPECT_EQ(draw[1]["pass"], "handles");
	EXPECT_EQ(draw[0]["result"], "ok");
	bool sawLine = false;
	for (const json& call : draw[0]["calls"])
	{
		if (call.contains("line"))
		{
			sawLine = true;
			EXPECT_EQ(AsVector(call["line"][1]), Vector(42, 0, 0));
		}
	}
	EXPECT_TRUE(sawLine) << draw.dump();
	EXPECT_EQ(dump["objects"][1]["draw"], json::array()) << "built-in objects draw nothing";
	EXPECT_EQ(dump["objects"][0]["cache"]["draw"], json::array());
}

TEST_F(Dump, StopsWithAnErrorBeyondTheNestingLimit)
{
	BaseObject* parent = doc.Add(Onull);
	for (int i = 0; i < surfax::io::kMaxDumpNesting + 5; ++i)
		parent = doc.Add(Onull, parent);
	std::string text;
	std::string error;
	EXPECT_FALSE(surfax::io::DumpDocument(*doc.Get(), {}, text, error));
	EXPECT_NE(error.find("nested deeper"), std::string::npos) << error;
}

TEST_F(Dump, ParametersPrintAsDocumentsStoreThem)
{
	// The dump and a saved document agree on every parameter value, so either can be compared with the other.
	surfax::test::EnsureDocumentTestType();
	BaseObject* op = doc.Add(surfax::test::kDocumentTestType);
	BaseContainer& bc = op->GetDataInstanceRef();
	bc.SetFloat(surfax::test::DOC_SCALE, 2.0);
	bc.SetInt32(surfax::test::DOC_MODE, surfax::test::DOC_MODE_C);
	bc.SetVector(surfax::test::DOC_TINT, Vector(0.5));
	bc.SetFloat(12345, 1.0);
	const json dump = ParsedDump(doc);
	const json saved = json::parse(surfax::io::SaveDocumentJson(*doc.Get()));
	EXPECT_EQ(dump["objects"][0]["params"], saved["objects"][0]["params"]);
	EXPECT_TRUE(dump["objects"][0]["params"]["12345"].is_number_float());
}
