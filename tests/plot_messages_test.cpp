// The plot object's reactions to its attribute panel: presets, recolouring, reset, adding components, help and the
// enabled check mark. Edits go through the host's user layer (messages 19 and 17, button presses as message 18),
// as a person makes them; the command-line checks run the built surfax-host.
#include "source/main.h"
#include "source/plotobject.h"

#include "res/description/o3dplot.h"

#include "customgui_gradient.h"
#include "host/user/actions.h"
#include "support/host_fixture.h"
#include "support/missing_package.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace cinema;
using surfax::test::TestDocument;
namespace fs = std::filesystem;

namespace
{
// The formulas the Preset cycle offers, by index.
const char* const kPresetFormulas[] = {
    "Sin(x) * Cos(z)",
    "x^3 * Sin(z * 10)",
    "x * x * z",
    "Tan(x) * Atan(z)",
    "Pow(Sin(x); 3)",
    "(x * x) / (z * z)",
    "Pow((x * x) + (z * z); 0.5)",
    "Cos(Abs(x) + Abs(z))",
    "Log(x)",
    "x * Cos(z)",
    "Sin(Sqrt((x * x) + (z * z)))",
};

constexpr char kQuestion[] = "A component of this type already exists. Do you want to add another one?";

const Vector kBlue(0.0, 0.0, 1.0), kGreen(0.0, 1.0, 0.0), kRed(1.0, 0.0, 0.0);

std::string ReadFile(const fs::path& path)
{
	std::ifstream file(path, std::ios::binary);
	std::ostringstream text;
	text << file.rdbuf();
	return text.str();
}

// Runs a shell command; its standard output, or nothing when it failed.
bool Capture(const std::string& command, std::string& out)
{
	out.clear();
	FILE* pipe = popen(command.c_str(), "r");
	if (pipe == nullptr)
		return false;
	char buffer[4096];
	for (size_t n; (n = fread(buffer, 1, sizeof(buffer), pipe)) > 0;)
		out.append(buffer, n);
	const int status = pclose(pipe);
	return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class PlotMessages : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax"));
		surfax::user::ClearAnswers();
		surfax::user::ClearQuestions();
		plot = doc.Add(ID_PLOTOBJECT);
		ASSERT_NE(plot, nullptr);
	}
	void TearDown() override
	{
		surfax::user::ClearAnswers();
		surfax::user::ClearQuestions();
	}

	BaseContainer& Params() { return plot->GetDataInstanceRef(); }
	const maxon::BaseArray<PlotSample>& Samples() const { return plot->GetNodeData<PlotObject>()->GetSamples(); }
	String Formula() { return Params().GetString(PLOT_FORMULA); }

	// Edits a parameter in the attribute panel.
	void Set(Int32 id, const GeData& value)
	{
		std::string error;
		ASSERT_TRUE(surfax::user::SetParameter(plot, id, value, error)) << error;
	}
	void Press(Int32 id) { EXPECT_TRUE(surfax::user::PressButton(plot, id)); }

	// A 21 x 21 grid whose y is the raw formula value, arguments on multiples of 18 degrees.
	void UseRawValues(const char* formula)
	{
		Params().SetString(PLOT_FORMULA, String(formula));
		Params().SetInt32(PLOT_RESOLUTION, 20);
		Params().SetFloat(PLOT_HEIGHT, 2.0);
		Params().SetInt32(PLOT_YMODE, PLOT_YMODE_NONE);
	}

	std::vector<PlotSample> Snapshot() const { return std::vector<PlotSample>(Samples().begin(), Samples().end()); }

	Int32 ChildrenOfType(Int32 type) const
	{
		Int32 count = 0;
		for (BaseObject* child = plot->GetDown(); child != nullptr; child = child->GetNext())
			count += child->GetType() == type ? 1 : 0;
		return count;
	}

	TestDocument doc;
	BaseObject* plot = nullptr;
};

void ExpectColor(const Vector& actual, const Vector& expected, const char* what)
{
	EXPECT_NEAR(actual.x, expected.x, 1e-9) << what;
	EXPECT_NEAR(actual.y, expected.y, 1e-9) << what;
	EXPECT_NEAR(actual.z, expected.z, 1e-9) << what;
}

GeData TwoKnotGradient(const Vector& low, const Vector& high)
{
	Gradient* gradient = Gradient::Alloc();
	EXPECT_NE(gradient, nullptr);
	GeData data;
	if (gradient == nullptr)
		return data;
	maxon::GradientKnot knot;
	knot.interpolation = maxon::GRADIENT_INTERPOLATION_TYPE::LINEARKNOT;
	knot.col = maxon::Color(low);
	knot.pos = 0.0;
	gradient->InsertKnot(knot);
	knot.col = maxon::Color(high);
	knot.pos = 1.0;
	gradient->InsertKnot(knot);
	data = GeData(*gradient, CUSTOMDATATYPE_GRADIENT);
	Gradient::Free(gradient);
	return data;
}
} // namespace

TEST_F(PlotMessages, PresetsReplaceTheFormulaForTheNextExecutionAndOtherIndicesKeepIt)
{
	UseRawValues("x + z");
	doc.Evaluate();
	for (Int32 index = 0; index <= 10; ++index)
	{
		Set(PLOT_PRESET, GeData(index));
		EXPECT_EQ(Formula().GetUtf8(), kPresetFormulas[index]) << "preset " << index;
	}
	Set(PLOT_PRESET, GeData(PLOT_PRESET_6));
	EXPECT_NEAR(Samples()[0].position.y, -360.0, 1e-9); // still x + z until the plot executes
	doc.Evaluate();
	for (Int32 i = 0; i <= 20; ++i)
	{
		for (Int32 j = 0; j <= 20; ++j)
		{
			const double x = -180.0 + 18.0 * i, z = -180.0 + 18.0 * j;
			ASSERT_NEAR(Samples()[i * 21 + j].position.y, std::sqrt(x * x + z * z), 1e-9) << i << ", " << j;
		}
	}

	Params().SetString(PLOT_FORMULA, "x + z"_s);
	for (const Int32 outside : {11, -1, 1000})
	{
		Params().SetInt32(PLOT_PRESET, outside); // a script or document may store any index
		DescID id = ConstDescID(DescLevel(PLOT_PRESET));
		DescriptionCheckUpdate update;
		update.descid = &id;
		plot->Message(MSG_DESCRIPTION_CHECKUPDATE, &update);
		EXPECT_EQ(Formula(), "x + z"_s) << "index " << outside;
	}
}

TEST_F(PlotMessages, TypingAFormulaLeavesThePresetAndTheCacheAlone)
{
	UseRawValues("x");
	Set(PLOT_PRESET, GeData(PLOT_PRESET_4));
	doc.Evaluate();
	const std::vector<PlotSample> before = Snapshot();
	Set(PLOT_FORMULA, GeData("x + z"_s));
	EXPECT_EQ(Params().GetInt32(PLOT_PRESET), PLOT_PRESET_4);
	EXPECT_EQ(Formula(), "x + z"_s);
	ASSERT_EQ(Samples().GetCount(), static_cast<Int>(before.size()));
	for (size_t k = 0; k < before.size(); ++k)
		ASSERT_EQ(Samples()[k].position.y, before[k].position.y) << k;
	doc.Evaluate();
	EXPECT_NEAR(Samples()[0].position.y, -360.0, 1e-9);
}

TEST_F(PlotMessages, ColourSettingsRecolourTheCacheWithoutEvaluating)
{
	// y = x / 180 runs from -1 to 1 along x; with animation off a re-evaluation at a later frame would add t.
	UseRawValues("x / 180 + t");
	Params().SetBool(PLOT_ANIMATE, false);
	doc.Evaluate();
	doc.SetFrame(15);
	const std::vector<PlotSample> before = Snapshot();
	const auto row = [&](Int32 i) -> const Vector& { return Samples()[i * 21 + 7].color; };

	Set(PLOT_COLORMODE, GeData(PLOT_COLORMODE_COLOR));
	Set(PLOT_COLOR, GeData(Vector(1.0, 0.5, 0.25)));
	for (const PlotSample& sample : Samples())
		ExpectColor(sample.color, Vector(1.0, 0.5, 0.25), "flat colour");

	Set(PLOT_COLORMODE, GeData(PLOT_COLORMODE_GRADIENT));
	ExpectColor(row(0), kBlue, "bottom");
	ExpectColor(row(10), kGreen, "middle");
	ExpectColor(row(20), kRed, "top");

	Set(PLOT_GRADIENTABS, GeData(true));
	ExpectColor(row(0), kRed, "bottom by magnitude");
	ExpectColor(row(10), kBlue, "middle by magnitude");
	ExpectColor(row(20), kRed, "top by magnitude");

	Set(PLOT_GRADIENT, TwoKnotGradient(Vector(0.0), Vector(1.0)));
	ExpectColor(row(5), Vector(0.5), "half way by magnitude on a grey ramp");

	// Only whole one-level ids count: one component of the colour (two levels) is not a colour setting.
	Params().SetInt32(PLOT_COLORMODE, PLOT_COLORMODE_COLOR);
	constexpr Int32 kVectorX = 1000; // the SDK's id of a vector's x component
	const DescID component = ConstDescID(DescLevel(PLOT_COLOR), DescLevel(kVectorX, DTYPE_REAL, 0));
	DescriptionCheckUpdate update;
	update.descid = &component;
	plot->Message(MSG_DESCRIPTION_CHECKUPDATE, &update);
	ExpectColor(row(5), Vector(0.5), "after a component's id");
	const DescID whole = ConstDescID(DescLevel(PLOT_COLOR));
	update.descid = &whole;
	plot->Message(MSG_DESCRIPTION_CHECKUPDATE, &update);
	ExpectColor(row(5), Vector(1.0, 0.5, 0.25), "after the whole id");

	doc.Evaluate();
	ASSERT_EQ(Samples().GetCount(), static_cast<Int>(before.size()));
	for (size_t k = 0; k < before.size(); ++k)
		ASSERT_EQ(Samples()[k].position, before[k].position) << "sample " << k << " was evaluated again";
}

TEST_F(PlotMessages, RecolouringGivesTheColoursOfAFullEvaluationForAMovedFittedPlot)
{
	// Values up to 3a are fitted into +-a, the positive side is stretched, and the plot sits away from the origin.
	Params().SetString(PLOT_FORMULA, "3 * Sin(x) * Cos(z)"_s);
	Params().SetInt32(PLOT_RESOLUTION, 16);
	Params().SetFloat(PLOT_SCALEPOS, 1.5);
	plot->SetMg(Matrix(Vector(30.0, 80.0, -20.0), Vector(1, 0, 0), Vector(0, 1, 0), Vector(0, 0, 1)));
	doc.Evaluate();
	Set(PLOT_HEIGHT, GeData(70.0)); // the cache is rescaled, not evaluated
	doc.Evaluate();

	const auto reevaluated = [&]
	{
		plot->Message(MSG_DEFORMMODECHANGED); // empties the cache
		doc.Evaluate();
		return Snapshot();
	};
	const std::vector<std::pair<Int32, GeData>> edits = {
	    {PLOT_GRADIENT, TwoKnotGradient(Vector(0.1, 0.0, 0.3), Vector(0.9, 1.0, 0.0))},
	    {PLOT_GRADIENTABS, GeData(true)},
	    {PLOT_COLORMODE, GeData(PLOT_COLORMODE_COLOR)},
	    {PLOT_COLORMODE, GeData(PLOT_COLORMODE_GRADIENT)},
	    {PLOT_GRADIENTABS, GeData(false)},
	};
	for (const auto& [id, value] : edits)
	{
		const std::vector<PlotSample> previous = Snapshot();
		Set(id, value);
		const std::vector<PlotSample> recoloured = Snapshot();
		const std::vector<PlotSample> evaluated = reevaluated();
		ASSERT_EQ(recoloured.size(), evaluated.size());
		bool changed = false;
		for (size_t k = 0; k < evaluated.size(); ++k)
		{
			changed = changed || (recoloured[k].color - previous[k].color).GetLength() > 1e-3;
			ASSERT_NEAR((recoloured[k].color - evaluated[k].color).GetLength(), 0.0, 1e-9)
			    << "edit of " << id << ", sample " << k;
		}
		EXPECT_TRUE(changed) << "edit of " << id << " changed no colour";
	}
}

TEST_F(PlotMessages, AddingAComponentTwiceAsksAndFollowsTheAnswer)
{
	Set(PLOT_ADDCOMPONENT, GeData(PLOT_ADDCOMPONENT_LABEL));
	Press(PLOT_ADDCOMPONENT);
	EXPECT_EQ(ChildrenOfType(ID_PLOTLABEL), 1);
	EXPECT_TRUE(surfax::user::QuestionsAsked().empty());

	surfax::user::QueueAnswers({false});
	Press(PLOT_ADDCOMPONENT);
	EXPECT_EQ(ChildrenOfType(ID_PLOTLABEL), 1);
	ASSERT_EQ(surfax::user::QuestionsAsked().size(), 1u);
	EXPECT_EQ(surfax::user::QuestionsAsked()[0], kQuestion);

	surfax::user::QueueAnswers({true});
	Press(PLOT_ADDCOMPONENT);
	EXPECT_EQ(ChildrenOfType(ID_PLOTLABEL), 2);
	EXPECT_EQ(surfax::user::QuestionsAsked().size(), 2u);
}

TEST_F(PlotMessages, AddedComponentBecomesTheFirstChildAndThePlotUnfolds)
{
	BaseObject* existing = doc.Add(Onull, plot);
	ASSERT_NE(existing, nullptr);
	EXPECT_FALSE(plot->GetNBit(NBIT::OM1_FOLD));
	const Int32 types[] = {ID_PLOTMESH, ID_PLOTGRID, ID_PLOTCAGE, ID_PLOTLABEL};
	for (Int32 choice = 0; choice < 4; ++choice)
	{
		Set(PLOT_ADDCOMPONENT, GeData(choice));
		Press(PLOT_ADDCOMPONENT);
		ASSERT_NE(plot->GetDown(), nullptr);
		EXPECT_EQ(plot->GetDown()->GetType(), types[choice]) << "choice " << choice;
		EXPECT_EQ(plot->GetDown()->GetDocument(), doc.Get());
	}
	EXPECT_TRUE(plot->GetNBit(NBIT::OM1_FOLD));
	for (const Int32 outside : {4, -1})
	{
		Params().SetInt32(PLOT_ADDCOMPONENT, outside);
		Press(PLOT_ADDCOMPONENT);
	}
	Int32 children = 0;
	for (BaseObject* child = plot->GetDown(); child != nullptr; child = child->GetNext())
		++children;
	EXPECT_EQ(children, 5);
	EXPECT_TRUE(surfax::user::QuestionsAsked().empty());
	EXPECT_EQ(existing->GetNext(), nullptr); // still the last child
}

TEST_F(PlotMessages, ResetRestoresTheDefaultsAndTheGradientAndLeavesTheCacheToTheNextExecution)
{
	UseRawValues("x * z");
	Params().SetInt32(PLOT_COLORMODE, PLOT_COLORMODE_COLOR);
	Set(PLOT_GRADIENT, TwoKnotGradient(Vector(0.0), Vector(1.0)));
	doc.Evaluate();
	const Int count = Samples().GetCount();

	Press(PLOT_RESET);
	EXPECT_EQ(Formula(), "Sin(x) * Cos(z)"_s);
	EXPECT_EQ(Params().GetInt32(PLOT_COLORMODE), PLOT_COLORMODE_GRADIENT);
	EXPECT_EQ(Params().GetInt32(PLOT_RESOLUTION), 50);
	const Gradient* gradient = Params().GetCustomDataType<Gradient>(PLOT_GRADIENT);
	ASSERT_NE(gradient, nullptr);
	ASSERT_EQ(gradient->GetKnotCount(), 3);
	const Vector colors[] = {kBlue, kGreen, kRed};
	for (Int32 k = 0; k < 3; ++k)
	{
		const maxon::GradientKnot knot = gradient->GetKnot(k);
		ExpectColor(Vector(knot.col.r, knot.col.g, knot.col.b), colors[k], "knot");
		EXPECT_DOUBLE_EQ(knot.pos, 0.5 * k);
	}
	EXPECT_EQ(Samples().GetCount(), count);

	doc.Evaluate();
	ASSERT_EQ(Samples().GetCount(), 51 * 51);
	ExpectColor(Samples()[0].color, kGreen, "Sin(-180) * Cos(-180) is 0: the middle of the default gradient");
}

TEST_F(PlotMessages, EnabledToggleEmptiesTheCacheAndUpdates)
{
	Params().SetInt32(PLOT_RESOLUTION, 10);
	doc.Evaluate();
	ASSERT_EQ(Samples().GetCount(), 121);
	const UInt32 dirty = plot->GetDirty(DIRTYFLAGS::DATA);
	EXPECT_TRUE(plot->Message(MSG_DEFORMMODECHANGED));
	EXPECT_TRUE(Samples().IsEmpty());
	EXPECT_GT(plot->GetDirty(DIRTYFLAGS::DATA), dirty);

	surfax::user::ToggleEnabled(plot); // off: executions keep the cache as it is
	doc.Evaluate();
	EXPECT_TRUE(Samples().IsEmpty());
	surfax::user::ToggleEnabled(plot);
	doc.Evaluate();
	EXPECT_EQ(Samples().GetCount(), 121);
}

TEST_F(PlotMessages, HelpOpensThePdfInThePluginFolderWhichListsEveryPreset)
{
	surfax::user::SetOpenFiles(false);
	surfax::user::ClearFilesOpened();
	Press(PLOT_HELP);
	ASSERT_EQ(surfax::user::FilesOpened().size(), 1u);
	const fs::path opened = surfax::user::FilesOpened()[0];
	surfax::user::ClearFilesOpened();
	EXPECT_EQ(opened.filename(), "Surfax.pdf");
	std::error_code ec;
	EXPECT_TRUE(fs::equivalent(opened.parent_path(), surfax::test::PluginFolder("surfax"), ec)) << opened;
	ASSERT_EQ(ReadFile(opened).substr(0, 5), "%PDF-");

	if (!surfax::test::HasProgram("pdftotext"))
		GTEST_SKIP() << surfax::test::MissingPackageReason("poppler-utils", "pdftotext");
	std::string text;
	ASSERT_TRUE(Capture("pdftotext '" + opened.string() + "' -", text)) << "pdftotext cannot read " << opened;
	EXPECT_NE(text.find("Surfax"), std::string::npos);
	for (Int32 index = 0; index <= 10; ++index)
	{
		Set(PLOT_PRESET, GeData(index));
		EXPECT_NE(text.find(Formula().GetUtf8()), std::string::npos) << "preset " << index;
	}
}

// --- surfax-host ---------------------------------------------------------------------------------------------------

namespace
{
class PlotMessagesCommandLine : public ::testing::Test
{
protected:
	void SetUp() override
	{
#ifndef SURFAX_HOST_EXE
		GTEST_SKIP() << "this build has no surfax-host";
#endif
		dir = fs::temp_directory_path() / ("surfax-messages-" + std::to_string(getpid()));
		fs::create_directories(dir);
		document = (dir / "plot.json").string();
		std::ofstream(document) << R"({"fps": 30, "frame": 0, "objects": [{"type": "o3dplot", "name": "Plot"}]})";
	}
	void TearDown() override
	{
		std::error_code ec;
		fs::remove_all(dir, ec);
	}

	// Runs surfax-host with the arguments (the host's reports on), the plot's dump parsed from its output.
	bool Run(const std::string& arguments, nlohmann::json& plotDump, std::string& errors) const
	{
#ifdef SURFAX_HOST_EXE
		std::string out;
		const std::string errFile = (dir / "err").string();
		const bool ok =
		    Capture("env -u SURFAX_QUIET '" SURFAX_HOST_EXE "' " + arguments + " 2> '" + errFile + "'", out);
		errors = ReadFile(errFile);
		const nlohmann::json dump = nlohmann::json::parse(out, nullptr, false);
		if (!ok || dump.is_discarded() || !dump.contains("objects") || dump["objects"].empty())
			return false;
		plotDump = dump["objects"][0];
		return true;
#else
		(void)arguments, (void)plotDump, (void)errors;
		return false;
#endif
	}

	static int Labels(const nlohmann::json& plotDump)
	{
		int count = 0;
		for (const nlohmann::json& child : plotDump["children"])
			count += child["typeName"] == "o3dplotlabel" ? 1 : 0;
		return count;
	}

	fs::path dir;
	std::string document;
};
} // namespace

TEST_F(PlotMessagesCommandLine, PresetSixShowsItsFormulaInTheDump)
{
	nlohmann::json plotDump;
	std::string errors;
	ASSERT_TRUE(Run("eval '" + document + "' --set PLOT_PRESET=6 --dump", plotDump, errors)) << errors;
	EXPECT_EQ(plotDump["params"]["PLOT_FORMULA"], "Pow((x * x) + (z * z); 0.5)");
}

TEST_F(PlotMessagesCommandLine, AddButtonPressedTwiceAddsASecondLabelOnlyWhenAnsweredYes)
{
	const std::string edits =
	    " eval '" + document + "' --set PLOT_ADDCOMPONENT=3 --press PLOT_ADDCOMPONENT --press PLOT_ADDCOMPONENT --dump";
	for (const bool yes : {false, true})
	{
		nlohmann::json plotDump;
		std::string errors;
		ASSERT_TRUE(Run(std::string("--no-open --answer ") + (yes ? "yes" : "no") + edits, plotDump, errors)) << errors;
		EXPECT_EQ(Labels(plotDump), yes ? 2 : 1);
		EXPECT_EQ(plotDump["folded"], false);
		EXPECT_NE(errors.find(kQuestion), std::string::npos) << errors;
	}
}
