// The compact draw recording: every call kind reads back as it was made, state calls that change nothing are left
// out (compared bit for bit), and the records take the packed sizes the recorder's header promises.
#include "host/draw/draw_recorder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace cinema;
using surfax::draw::DrawCall;
using surfax::draw::DrawCallKind;
using surfax::draw::DrawRecording;

namespace
{
void ExpectSameBits(const Vector& actual, const Vector& expected)
{
	EXPECT_EQ(std::signbit(actual.x), std::signbit(expected.x));
	if (std::isnan(expected.x))
		EXPECT_TRUE(std::isnan(actual.x));
	else
		EXPECT_EQ(actual.x, expected.x);
	EXPECT_EQ(actual.y, expected.y);
	EXPECT_EQ(actual.z, expected.z);
}
} // namespace

TEST(DrawRecording, EveryKindReadsBackWithAllItsArguments)
{
	DrawRecording r;
	Matrix m;
	m.off = Vector(1.5, -2.0, 3.25);
	m.sqmat.v2 = Vector(0.0, 0.0, -1.0);
	const Vector nan(std::numeric_limits<Float>::quiet_NaN(), 7.0, -0.0);
	r.SetMatrix(m);
	r.SetPen(Vector(0.1, 0.2, 0.3), 5);
	r.SetPointSize(4.5);
	r.DrawHandle(nan, 4, 2048);
	r.DrawLine(Vector(1, 2, 3), Vector(-4, -5, -6), 9);
	r.DrawSphere(Vector(7, 8, 9), Vector(0.5, 0.5, 0.5), Vector(1, 0, 0), 1);

	const std::vector<DrawCall> calls = r.Expand();
	ASSERT_EQ(calls.size(), 6u);
	ASSERT_EQ(r.size(), 6u);
	EXPECT_EQ(calls[0].kind, DrawCallKind::Matrix);
	EXPECT_EQ(calls[0].matrix, m);
	EXPECT_EQ(calls[1].kind, DrawCallKind::Pen);
	ExpectSameBits(calls[1].a, Vector(0.1, 0.2, 0.3));
	EXPECT_EQ(calls[1].flags, 5);
	EXPECT_EQ(calls[2].kind, DrawCallKind::PointSize);
	EXPECT_EQ(calls[2].value, 4.5);
	EXPECT_EQ(calls[3].kind, DrawCallKind::Handle);
	ExpectSameBits(calls[3].a, nan);
	EXPECT_EQ(calls[3].type, 4);
	EXPECT_EQ(calls[3].flags, 2048);
	EXPECT_EQ(calls[4].kind, DrawCallKind::Line);
	ExpectSameBits(calls[4].a, Vector(1, 2, 3));
	ExpectSameBits(calls[4].b, Vector(-4, -5, -6));
	EXPECT_EQ(calls[4].flags, 9);
	EXPECT_EQ(calls[5].kind, DrawCallKind::Sphere);
	ExpectSameBits(calls[5].a, Vector(7, 8, 9));
	ExpectSameBits(calls[5].b, Vector(0.5, 0.5, 0.5));
	ExpectSameBits(calls[5].color, Vector(1, 0, 0));
	EXPECT_EQ(calls[5].flags, 1);
	// Fields a kind does not use stay zero.
	EXPECT_EQ(calls[3].b, Vector());
	EXPECT_EQ(calls[1].type, 0);

	// A kind byte and the arguments, nothing more.
	const std::size_t v = sizeof(Vector), i = sizeof(Int32);
	EXPECT_EQ(r.ByteSize(), 6 + sizeof(Matrix) + (v + i) + sizeof(Float) + (v + 2 * i) + (2 * v + i) + (3 * v + i));
}

TEST(DrawRecording, StateCallsThatChangeNothingAreLeftOut)
{
	DrawRecording r;
	for (int k = 0; k < 3; ++k)
	{
		r.SetMatrix(Matrix());
		r.SetPen(Vector(1, 0, 0), 0);
		r.SetPointSize(2.0);
		r.DrawHandle(Vector(k, 0, 0), 4, 0);
	}
	// The elements themselves are never merged, even when they repeat.
	r.DrawHandle(Vector(2, 0, 0), 4, 0);
	EXPECT_EQ(r.size(), 3u + 4u);

	// A different flag, a different colour or size, or a sign of zero is a change.
	DrawRecording changes;
	changes.SetPen(Vector(0, 0, 0), 0);
	changes.SetPen(Vector(0, 0, 0), 1);
	changes.SetPen(Vector(-0.0, 0, 0), 1);
	changes.SetPen(Vector(-0.0, 0, 0), 1);
	changes.SetPointSize(0.0);
	changes.SetPointSize(-0.0);
	Matrix moved;
	moved.off.y = 1e-300;
	changes.SetMatrix(Matrix());
	changes.SetMatrix(moved);
	changes.SetMatrix(moved);
	const std::vector<DrawCall> calls = changes.Expand();
	ASSERT_EQ(calls.size(), 7u);
	EXPECT_EQ(calls[1].flags, 1);
	EXPECT_TRUE(std::signbit(calls[2].a.x));
	EXPECT_TRUE(std::signbit(calls[4].value));
	EXPECT_EQ(calls[6].matrix, moved);
}

TEST(DrawRecording, NaNStateComparesByItsBits)
{
	// Bit comparison: the same NaN pattern twice is no change, a different payload is.
	DrawRecording r;
	const Float quiet = std::numeric_limits<Float>::quiet_NaN();
	r.SetPointSize(quiet);
	r.SetPointSize(quiet);
	r.SetPointSize(-quiet);
	EXPECT_EQ(r.size(), 2u);
}

TEST(DrawRecording, AnEmptyRecordingHasNoRecords)
{
	const DrawRecording r;
	EXPECT_TRUE(r.empty());
	EXPECT_EQ(r.begin(), r.end());
	EXPECT_TRUE(r.Expand().empty());
	EXPECT_EQ(r.ByteSize(), 0u);
}
