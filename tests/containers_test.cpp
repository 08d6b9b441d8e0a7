// Values and containers: GeData typing and conversions, BaseContainer lookups, custom data copies, ids.
#include "c4d.h"
#include "customgui_gradient.h"

#include <gtest/gtest.h>

using namespace cinema;

TEST(GeDataTyping, KeepsTheTypeItWasMadeWith)
{
	EXPECT_EQ(GeData().GetType(), DA_NIL);
	EXPECT_EQ(GeData(Int32(3)).GetType(), DA_LONG);
	EXPECT_EQ(GeData(true).GetType(), DA_LONG);
	EXPECT_EQ(GeData(2.5).GetType(), DA_REAL);
	EXPECT_EQ(GeData(Vector(1, 2, 3)).GetType(), DA_VECTOR);
	EXPECT_EQ(GeData("text"_s).GetType(), DA_STRING);
	EXPECT_EQ(GeData(BaseTime(1.0, 2.0)).GetType(), DA_TIME);
	EXPECT_EQ(GeData(BaseContainer(7)).GetType(), DA_CONTAINER);
}

TEST(GeDataTyping, ConvertsNumbersButNotOtherKinds)
{
	EXPECT_EQ(GeData(2.9).GetInt32(), 2);
	EXPECT_EQ(GeData(Int32(4)).GetFloat(), 4.0);
	EXPECT_EQ(GeData(1e300).GetInt32(), 2147483647);
	EXPECT_EQ(GeData(std::nan("")).GetInt32(), 0);
	EXPECT_EQ(GeData("12"_s).GetFloat(), 0.0);
	EXPECT_EQ(GeData(Int32(5)).GetString(), String());
	EXPECT_EQ(GeData(2.0).GetVector(), Vector());
}

TEST(GeDataTyping, ComparesByTypeAndValue)
{
	EXPECT_EQ(GeData(Int32(1)), GeData(true));
	EXPECT_NE(GeData(Int32(1)), GeData(1.0));
	EXPECT_EQ(GeData(Vector(1, 2, 3)), GeData(Vector(1, 2, 3)));
	EXPECT_NE(GeData("a"_s), GeData("b"_s));
}

TEST(BaseContainerLookups, ReturnThePresetForMissingOrForeignValues)
{
	BaseContainer bc;
	bc.SetString(1, "hello"_s);
	bc.SetFloat(2, 1.5);
	EXPECT_EQ(bc.GetFloat(1, 7.0), 7.0);
	EXPECT_EQ(bc.GetInt32(99, -4), -4);
	EXPECT_EQ(bc.GetString(2, "preset"_s), String("preset"));
	EXPECT_EQ(bc.GetInt32(2), 1);
	EXPECT_EQ(bc.GetData(42).GetType(), DA_NIL);
	EXPECT_EQ(bc.GetDataPointer(42), nullptr);
}

TEST(BaseContainerLookups, ReplaceInPlaceAndKeepInsertionOrder)
{
	BaseContainer bc;
	bc.SetInt32(30, 1);
	bc.SetInt32(10, 2);
	bc.SetInt32(20, 3);
	bc.SetInt32(10, 4);
	ASSERT_EQ(bc.GetEntryCount(), 3);
	EXPECT_EQ(bc.GetIndexId(0), 30);
	EXPECT_EQ(bc.GetIndexId(1), 10);
	EXPECT_EQ(bc.GetIndexId(2), 20);
	EXPECT_EQ(bc.GetInt32(10), 4);
	EXPECT_TRUE(bc.RemoveData(30));
	EXPECT_FALSE(bc.RemoveData(30));
	EXPECT_EQ(bc.GetIndexId(0), 10);
	EXPECT_EQ(bc.GetIndexId(5), NOTOK);
}

TEST(BaseContainerLookups, NestedContainersAreCopiesNotReferences)
{
	BaseContainer inner(5);
	inner.SetInt32(1, 10);
	BaseContainer outer;
	outer.SetContainer(100, inner);
	inner.SetInt32(1, 11);
	EXPECT_EQ(outer.GetContainer(100).GetInt32(1), 10);
	BaseContainer copy = outer;
	copy.GetContainerInstanceWritable(100)->SetInt32(1, 12);
	EXPECT_EQ(outer.GetContainer(100).GetInt32(1), 10);
	EXPECT_NE(copy, outer);
}

TEST(CustomData, GradientsInContainersAreDeepCopies)
{
	Gradient* gradient = Gradient::Alloc();
	ASSERT_NE(gradient, nullptr);
	maxon::GradientKnot knot;
	knot.col = maxon::Color(1, 0, 0);
	knot.pos = 0.25;
	gradient->InsertKnot(knot);
	gradient->SetData(GRADIENT_MODE, GeData(Int32(0)));

	BaseContainer bc;
	bc.SetData(7, GeData(*gradient, CUSTOMDATATYPE_GRADIENT));
	knot.pos = 0.75;
	gradient->SetKnot(0, knot);

	const Gradient* stored = bc.GetCustomDataType<Gradient>(7);
	ASSERT_NE(stored, nullptr);
	EXPECT_EQ(stored->GetKnotCount(), 1);
	EXPECT_EQ(stored->GetKnot(0).pos, 0.25);

	BaseContainer copy = bc;
	EXPECT_EQ(copy, bc);
	copy.GetCustomDataTypeWritableObsolete<Gradient>(7)->FlushKnots();
	EXPECT_NE(copy, bc);
	EXPECT_EQ(bc.GetCustomDataType<Gradient>(7)->GetKnotCount(), 1);
	EXPECT_EQ(bc.GetCustomDataType<Gradient>(8), nullptr);
	Gradient::Free(gradient);
}

TEST(DescriptionIds, CompareAllLevels)
{
	const DescID color = ConstDescID(DescLevel(10009));
	const DescID colorX = CreateDescID(DescLevel(10009), DescLevel(1000));
	EXPECT_EQ(color.GetDepth(), 1);
	EXPECT_EQ(colorX.GetDepth(), 2);
	EXPECT_NE(color, colorX);
	EXPECT_EQ(color, ConstDescID(DescLevel(10009, DTYPE_COLOR, 0)));
	Int32 depth = 0;
	EXPECT_TRUE(colorX.IsPartOf(color, &depth));
	EXPECT_EQ(depth, 1);
	EXPECT_EQ(colorX[5].id, 0);
}

TEST(Strings, FloatToStringFollowsTheDigitRules)
{
	EXPECT_EQ(String::FloatToString(1.5), String("1.5"));
	EXPECT_EQ(String::FloatToString(2.0), String("2"));
	EXPECT_EQ(String::FloatToString(3.14159), String("3.142"));
	EXPECT_EQ(String::FloatToString(-0.0001), String("0"));
	EXPECT_EQ(String::FloatToString(-180.0, -1, 1), String("-180.0"));
	EXPECT_EQ(String::FloatToString(0.25, -1, 0), String("0"));
	EXPECT_EQ(String::FloatToString(7.0, 3, 1), String("  7.0"));
	EXPECT_EQ(String::FloatToString(std::numeric_limits<Float>::infinity()), String("inf"));
}

TEST(Strings, ClassicHelpersWorkOnPositions)
{
	String s("Sin(x) * Cos(z)");
	Int32 pos = 0;
	ASSERT_TRUE(s.FindFirst('x', &pos, 0));
	EXPECT_EQ(pos, 4);
	EXPECT_FALSE(s.FindFirst('x', &pos, 5));
	EXPECT_EQ(pos, -1);
	s.Delete(4, 1);
	ASSERT_EQ(s.Insert(4, "-7.2"_s), maxon::OK);
	EXPECT_EQ(s, String("Sin(-7.2) * Cos(z)"));
	EXPECT_EQ(s.SubStr(0, 3), String("Sin"));
	EXPECT_EQ(s[1], Utf32Char('i'));
	EXPECT_EQ(s[100], Utf32Char(0));
	s.Delete(100, 3);
	EXPECT_EQ(s.GetLength(), 18);
}

TEST(Time, FrameIsTheTruncatedRatioOfFlooredParts)
{
	EXPECT_EQ(BaseTime(1.0).GetFrame(30.0), 30);
	EXPECT_EQ(BaseTime(10.0, 30.0).GetFrame(30.0), 10);
	EXPECT_EQ(BaseTime(-1.0, 30.0).GetFrame(30.0), -1);
	EXPECT_EQ(BaseTime(1.0, 0.0).GetFrame(30.0), 0);
	EXPECT_EQ(BaseTime(1e300).GetFrame(30.0), 2147483647);
}

TEST(Filenames, JoinComponentsWithTheSeparator)
{
	const Filename folder("/plugins/surfax");
	EXPECT_EQ((folder + Filename("res") + Filename("3dPlot.tif")).GetString(),
	          String("/plugins/surfax/res/3dPlot.tif"));
	EXPECT_EQ((folder + Filename("\\Surfax.pdf")).GetString(), String("/plugins/surfax/Surfax.pdf"));
	EXPECT_EQ(Filename("/a/b.tif").GetSuffix(), String("tif"));
	EXPECT_EQ(Filename("/a/b.tif").GetFileString(), String("b.tif"));
	EXPECT_EQ(Filename("/a/b.tif").GetDirectory().GetString(), String("/a"));
}
