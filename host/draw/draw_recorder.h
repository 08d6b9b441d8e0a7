// Drawing in the stand-in: a view (BaseDraw) that records what objects draw, pass by pass, so the dump can show
// it and the preview can rasterise it.
#ifndef SURFAX_HOST_DRAW_DRAW_RECORDER_H
#define SURFAX_HOST_DRAW_DRAW_RECORDER_H

#include "c4d.h"

#include <vector>

namespace surfax::draw
{
enum class DrawCallKind
{
	Pen,
	PointSize,
	Matrix,
	Handle,
	Line,
	Sphere,
};

/// One recorded call. Fields not used by the kind stay zero.
struct DrawCall
{
	DrawCallKind kind = DrawCallKind::Pen;
	cinema::Vector a;     // pen colour, handle or sphere position, line start
	cinema::Vector b;     // line end, sphere size
	cinema::Vector color; // sphere colour
	cinema::Float value = 0.0; // point size
	cinema::Matrix matrix;     // for Matrix
	cinema::Int32 type = 0;    // handle type
	cinema::Int32 flags = 0;
};

/// The calls of one object in one pass, with the draw result it returned.
struct ObjectDrawing
{
	const cinema::BaseObject* object = nullptr;
	cinema::DRAWPASS pass = cinema::DRAWPASS::OBJECT;
	cinema::DRAWRESULT result = cinema::DRAWRESULT::OK;
	std::vector<DrawCall> calls;
};

/// Draws every enabled plug-in object of doc in the object pass and the handle pass and returns the recordings,
/// in document order. Objects that draw nothing still appear with their result.
std::vector<ObjectDrawing> DrawDocument(cinema::BaseDocument* doc);
} // namespace surfax::draw

#endif
