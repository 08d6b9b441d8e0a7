// Documents: everything a save writes loads again and saves to the same bytes (a property over generated trees), and
// the strict reading rules: repeated keys, numbers out of range, the spelling of non-finite numbers.
#include "support/document_type.h"
#include "support/host_fixture.h"

#include "app/parameter_text.h"
#include "host/document/document_json.h"
#include "host/document/param_json.h"
#include "host/plugins/registry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <string>

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

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Random documents with every parameter kind, odd floats (non-finite, -0, subnormal, huge), odd names and trees that
// reach the deepest level a document may have.
class TreeMaker
{
public:
	explicit TreeMaker(unsigned seed) : _random(seed) {}

	void Fill(TestDocument& doc)
	{
		_budget = 40;
		const int topLevel = Pick(1, 3);
		for (int i = 0; i < topLevel; ++i)
			AddTree(doc, nullptr, 1);
		// Every other document holds one chain down to exactly the deepest level.
		if (_random() % 2 == 0)
		{
			BaseObject* parent = nullptr;
			for (int depth = 1; depth <= surfax::io::kMaxObjectNesting; ++depth)
				parent = AddObject(doc, parent);
		}
	}

private:
	int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(_random); }

	double Number()
	{
		const double odd[] = {kInf, -kInf, kNaN, -0.0, 5e-324, 1e300, -1.0 / 3.0, 0.1};
		if (Pick(0, 3) == 0)
			return odd[Pick(0, 7)];
		return std::uniform_real_distribution<double>(-1e6, 1e6)(_random);
	}

	Vector AnyVector() { return Vector(Number(), Number(), Number()); }

	std::string Text()
	{
		// Bytes of every kind: quotes, controls, UTF-8 and bytes that are not UTF-8 at all.
		const char* pieces[] = {"a", "\"", "\\", "\n", "\x01", "\xc3\xa9", "\xe2\x82\xac", "\xff", " ", "\xc3"};
		std::string text;
		const int length = Pick(0, 6);
		for (int i = 0; i < length; ++i)
			text += pieces[Pick(0, 9)];
		return text;
	}

	GeData Untyped(int depth)
	{
		switch (Pick(0, depth < 3 ? 9 : 8))
		{
		case 0:
			return GeData(Int32(Pick(-1000000, 1000000)));
		case 1:
			return GeData(Number());
		case 2:
			return GeData(Int64(Pick(-1000, 1000)) << 40, LLONGVALUE);
		case 3:
			return GeData(AnyVector());
		case 4:
			return GeData(maxon::String(Text()));
		case 5:
			return GeData(Filename(maxon::String(Text())));
		case 6:
			return GeData(BaseTime(Pick(-100, 100), Pick(1, 60)));
		case 7:
			return GeData(Matrix(AnyVector(), AnyVector(), AnyVector(), AnyVector()));
		case 8:
			return GeData(Int32(Pick(0, 1)));
		default:
		{
			BaseContainer inner(Pick(0, 100));
			const int count = Pick(0, 3);
			for (int i = 0; i < count; ++i)
				inner.SetData(Pick(1, 50), Untyped(depth + 1));
			return GeData(inner);
		}
		}
	}

	void FillParams(BaseObject& op)
	{
		BaseContainer& bc = op.GetDataInstanceRef();
		if (op.GetType() == kDocumentTestType)
		{
			bc.SetInt32(DOC_COUNT, Pick(0, 10));
			bc.SetInt32(DOC_MODE, Pick(0, 1) == 0 ? DOC_MODE_A : DOC_MODE_C);
			bc.SetFloat(DOC_SCALE, Number());
			bc.SetBool(DOC_FLAG, Pick(0, 1) == 1);
			bc.SetString(DOC_TEXT, maxon::String(Text()));
			bc.SetData(DOC_FILE, GeData(Filename(maxon::String(Text()))));
			bc.SetVector(DOC_OFFSET, AnyVector());
			bc.SetVector(DOC_TINT, AnyVector());
		}
		const int extra = Pick(0, 3);
		for (int i = 0; i < extra; ++i)
			bc.SetData(Pick(2000, 2100), Untyped(0));
	}

	BaseObject* AddObject(TestDocument& doc, BaseObject* parent)
	{
		const Int32 types[] = {Onull, kDocumentTestType, Opolygon, Ospline};
		BaseObject* op = doc.Add(types[Pick(0, 3)], parent);
		if (op == nullptr)
			return nullptr;
		op->SetName(maxon::String(Text()));
		op->SetRelPos(AnyVector());
		op->SetRelRot(AnyVector());
		op->SetDeformMode(Pick(0, 1) == 1);
		FillParams(*op);
		if (op->GetType() == Opolygon)
		{
			PolygonObject* poly = static_cast<PolygonObject*>(op);
			if (poly->ResizeObject(3, 1))
			{
				for (Int32 i = 0; i < 3; ++i)
					poly->GetPointW()[i] = AnyVector();
				poly->GetPolygonW()[0] = CPolygon(0, 1, 2);
			}
		}
		return op;
	}

	void AddTree(TestDocument& doc, BaseObject* parent, int depth)
	{
		if (_budget-- <= 0)
			return;
		BaseObject* op = AddObject(doc, parent);
		if (op == nullptr || depth >= surfax::io::kMaxObjectNesting)
			return;
		const int children = Pick(0, depth < 4 ? 3 : 1);
		for (int i = 0; i < children; ++i)
			AddTree(doc, op, depth + 1);
	}

	std::mt19937 _random;
	int _budget = 0;
};

std::string LoadError(std::string_view text)
{
	JsonError error;
	DocumentPtr doc(LoadDocumentJson(text, error));
	EXPECT_EQ(doc, nullptr) << "loaded: " << text;
	return error.Format("doc.json");
}

class DocumentRoundTrip : public ::testing::Test
{
protected:
	void SetUp() override { EnsureDocumentTestType(); }
};
} // namespace

// --- What a save writes loads again ---------------------------------------------------------------------------------

TEST_F(DocumentRoundTrip, EveryGeneratedTreeLoadsAgainAndSavesToTheSameBytes)
{
	for (unsigned seed = 1; seed <= 60; ++seed)
	{
		SCOPED_TRACE("seed " + std::to_string(seed));
		TestDocument source;
		TreeMaker(seed).Fill(source);
		const std::string saved = SaveDocumentJson(*source.Get());
		JsonError error;
		DocumentPtr loaded(LoadDocumentJson(saved, error));
		ASSERT_NE(loaded, nullptr) << error.Format();
		const std::string again = SaveDocumentJson(*loaded);
		ASSERT_EQ(again, saved);
		DocumentPtr third(LoadDocumentJson(again, error));
		ASSERT_NE(third, nullptr) << error.Format();
		EXPECT_EQ(surfax::io::ObjectNesting(*third), surfax::io::ObjectNesting(*source.Get()));
	}
}

TEST_F(DocumentRoundTrip, ATreeAtTheDeepestLevelLoadsAndOneLevelMoreIsNotSaved)
{
	TestDocument doc;
	BaseObject* parent = nullptr;
	for (int depth = 1; depth <= surfax::io::kMaxObjectNesting; ++depth)
		parent = doc.Add(Onull, parent);
	ASSERT_NE(parent, nullptr);
	const std::string saved = SaveDocumentJson(*doc.Get());
	ASSERT_NE(saved.find("\"children\": []"), std::string::npos);
	JsonError error;
	DocumentPtr loaded(LoadDocumentJson(saved, error));
	ASSERT_NE(loaded, nullptr) << error.Format();
	EXPECT_EQ(surfax::io::ObjectNesting(*loaded), surfax::io::kMaxObjectNesting);

	// One more level would save a document that does not load: the save refuses it and leaves the file alone.
	doc.Add(Onull, parent);
	EXPECT_EQ(surfax::io::ObjectNesting(*doc.Get()), surfax::io::kMaxObjectNesting + 1);
	const std::string path = ::testing::TempDir() + "surfax-too-deep.json";
	std::string message;
	EXPECT_FALSE(surfax::io::SaveDocumentFile(*doc.Get(), path, message));
	EXPECT_NE(message.find("nested deeper than 64 levels"), std::string::npos) << message;
	EXPECT_EQ(message.rfind(path + ": ", 0), 0u) << message;
}

// --- Strict reading -------------------------------------------------------------------------------------------------

TEST_F(DocumentRoundTrip, ARepeatedKeyIsAnErrorAtItsPath)
{
	EXPECT_EQ(LoadError(R"({"fps": 30, "fps": 25})"), "doc.json: fps: duplicate key");
	EXPECT_EQ(LoadError(R"({"objects": [{"type": "Onull"}, {"type": "Onull", "name": "a", "name": "b"}]})"),
	          "doc.json: objects[1].name: duplicate key");
	EXPECT_EQ(LoadError(R"({"objects": [{"type": "otestdoc", "params": {"DOC_SCALE": 1, "DOC_SCALE": 2}}]})"),
	          "doc.json: objects[0].params.DOC_SCALE: duplicate key");
	EXPECT_EQ(
	    LoadError(R"({"objects": [{"type": "Onull", "params": {"7": {"container": {"values": {"1": 1, "1": 2}}}}}]})"),
	    "doc.json: objects[0].params.7.container.values.1: duplicate key");
	// The same key in different objects is no repetition.
	JsonError error;
	DocumentPtr doc(
	    LoadDocumentJson(R"({"objects": [{"type": "Onull", "name": "a"}, {"type": "Onull", "name": "a"}]})", error));
	EXPECT_NE(doc, nullptr) << error.Format();
}

TEST_F(DocumentRoundTrip, ANumberOutOfRangeIsPlacedByLineColumnAndPath)
{
	const std::string text = R"({"objects": [{"type": "otestdoc", "params": {"DOC_SCALE": 1e400}}]})";
	const std::size_t column = text.find("1e400") + 1;
	EXPECT_EQ(LoadError(text),
	          "doc.json:1:" + std::to_string(column) + ": objects[0].params.DOC_SCALE: number out of range");
	EXPECT_EQ(LoadError("{\n \"objects\": [{\"type\": \"Onull\",\n  \"position\": [0, -1e999, 0]}]}"),
	          "doc.json:3:19: objects[0].position[1]: number out of range");
	EXPECT_EQ(LoadError("1e400"), "doc.json:1:1: number out of range");
}

TEST_F(DocumentRoundTrip, NonFiniteWordsAreSpelledAlikeInDocumentsAndOnTheCommandLine)
{
	const surfax::plugins::ObjectType* type = surfax::plugins::FindObjectType(kDocumentTestType);
	ASSERT_NE(type, nullptr);
	const surfax::resources::ParamDesc* scale = type->description->FindParam(DOC_SCALE);
	ASSERT_NE(scale, nullptr);
	const std::pair<const char*, double> accepted[] = {{"nan", kNaN}, {"NaN", kNaN},   {"NAN", kNaN},  {"inf", kInf},
	                                                   {"Inf", kInf}, {"-inf", -kInf}, {"-INF", -kInf}};
	for (const auto& [word, value] : accepted)
	{
		SCOPED_TRACE(word);
		JsonError error;
		DocumentPtr doc(LoadDocumentJson(
		    std::string(R"({"objects": [{"type": "otestdoc", "params": {"DOC_SCALE": ")") + word + "\"}}]}", error));
		ASSERT_NE(doc, nullptr) << error.Format();
		const double loaded = doc->GetFirstObject()->GetDataInstanceRef().GetFloat(DOC_SCALE);
		GeData typed;
		std::string message;
		ASSERT_TRUE(surfax::app::ParamValueFromText(*scale, word, typed, message)) << message;
		for (const double got : {loaded, typed.GetFloat()})
		{
			if (std::isnan(value))
				EXPECT_TRUE(std::isnan(got));
			else
				EXPECT_EQ(got, value);
		}
	}
	for (const char* word : {"infinity", "Infinity", "+inf", "-nan", "nan(1)", "1e400", "in f"})
	{
		SCOPED_TRACE(word);
		const std::string message =
		    LoadError(std::string(R"({"objects": [{"type": "otestdoc", "params": {"DOC_SCALE": ")") + word + "\"}}]}");
		EXPECT_EQ(message, "doc.json: objects[0].params.DOC_SCALE: expected a number");
		GeData typed;
		std::string textMessage;
		EXPECT_FALSE(surfax::app::ParamValueFromText(*scale, word, typed, textMessage));
	}
}
