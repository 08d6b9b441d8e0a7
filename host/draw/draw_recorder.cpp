#include "host/draw/draw_recorder.h"

#include "host/scene/node.h"

namespace surfax::draw
{
using namespace cinema;

namespace
{
// The view that records; one per drawn object and pass.
struct RecordingDraw final : BaseDraw
{
	std::vector<DrawCall>* calls = nullptr;
};

struct RecordingHelp final : BaseDrawHelp
{
	BaseDocument* document = nullptr;
	Matrix mg;
};

RecordingDraw& Recorder(BaseDraw* bd)
{
	return *static_cast<RecordingDraw*>(bd);
}

void Record(BaseDraw* bd, const DrawCall& call)
{
	if (std::vector<DrawCall>* calls = Recorder(bd).calls)
		calls->push_back(call);
}
} // namespace

std::vector<ObjectDrawing> DrawDocument(BaseDocument* doc)
{
	std::vector<ObjectDrawing> drawings;
	if (doc == nullptr)
		return drawings;
	RecordingDraw view;
	RecordingHelp help;
	help.document = doc;
	for (HostNode* n = Host(doc).firstObject; n != nullptr; n = scene::NextInDocumentOrder(n))
	{
		if (n->nodeData == nullptr || !n->enabled)
			continue;
		BaseObject* op = static_cast<BaseObject*>(n->atom);
		help.mg = scene::GlobalMatrix(n);
		for (DRAWPASS pass : {DRAWPASS::OBJECT, DRAWPASS::HANDLES})
		{
			ObjectDrawing drawing;
			drawing.object = op;
			drawing.pass = pass;
			view.calls = &drawing.calls;
			drawing.result = static_cast<ObjectData*>(n->nodeData)->Draw(op, pass, &view, &help);
			view.calls = nullptr;
			drawings.push_back(std::move(drawing));
		}
	}
	return drawings;
}
} // namespace surfax::draw

namespace cinema
{
using surfax::draw::DrawCall;
using surfax::draw::DrawCallKind;
using surfax::draw::Record;

void BaseDraw::SetMatrix_Matrix(BaseObject*, const Matrix& mg)
{
	DrawCall call;
	call.kind = DrawCallKind::Matrix;
	call.matrix = mg;
	Record(this, call);
}

void BaseDraw::SetMatrix_Matrix(BaseObject* op, const Matrix& mg, Int32)
{
	SetMatrix_Matrix(op, mg);
}

void BaseDraw::SetPen(const Vector& col, Int32 flags)
{
	DrawCall call;
	call.kind = DrawCallKind::Pen;
	call.a = col;
	call.flags = flags;
	Record(this, call);
}

void BaseDraw::SetPointSize(Float pointsize)
{
	DrawCall call;
	call.kind = DrawCallKind::PointSize;
	call.value = pointsize;
	Record(this, call);
}

void BaseDraw::DrawHandle(const Vector& vp, DRAWHANDLE type, Int32 flags)
{
	DrawCall call;
	call.kind = DrawCallKind::Handle;
	call.a = vp;
	call.type = static_cast<Int32>(type);
	call.flags = flags;
	Record(this, call);
}

void BaseDraw::DrawLine(const Vector& p1, const Vector& p2, Int32 flags)
{
	DrawCall call;
	call.kind = DrawCallKind::Line;
	call.a = p1;
	call.b = p2;
	call.flags = flags;
	Record(this, call);
}

void BaseDraw::DrawSphere(const Vector& off, const Vector& size, const Vector& col, Int32 flags)
{
	DrawCall call;
	call.kind = DrawCallKind::Sphere;
	call.a = off;
	call.b = size;
	call.color = col;
	call.flags = flags;
	Record(this, call);
}

BaseDocument* BaseDrawHelp::GetDocument()
{
	return static_cast<surfax::draw::RecordingHelp*>(this)->document;
}

const Matrix& BaseDrawHelp::GetMg()
{
	return static_cast<surfax::draw::RecordingHelp*>(this)->mg;
}

Vector GetViewColor(Int32 colid)
{
	// The application's default colours for the two view elements the plug-ins use.
	switch (colid)
	{
		case VIEWCOLOR_SELECTION_PREVIEW:
			return Vector(1.0, 0.8, 0.2);
		case VIEWCOLOR_HANDLES:
			return Vector(0.2, 0.6, 1.0);
		default:
			return Vector(0.5, 0.5, 0.5);
	}
}
} // namespace cinema
