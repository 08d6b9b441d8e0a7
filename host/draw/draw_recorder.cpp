#include "host/draw/draw_recorder.h"

#include "host/scene/node.h"

#include <cstring>

namespace surfax::draw
{
using namespace cinema;

namespace
{
// The view that passes the calls on; one per drawn object and pass.
struct SinkDraw final : BaseDraw
{
	DrawSink* sink = nullptr;
};

struct RecordingHelp final : BaseDrawHelp
{
	BaseDocument* document = nullptr;
	Matrix mg;
};

DrawSink* SinkOf(BaseDraw* bd)
{
	return static_cast<SinkDraw*>(bd)->sink;
}

// Payload sizes of the records, by kind.
constexpr std::size_t kVectorBytes = sizeof(Vector);
constexpr std::size_t kPenBytes = kVectorBytes + sizeof(Int32);
constexpr std::size_t kPointSizeBytes = sizeof(Float);
constexpr std::size_t kMatrixBytes = sizeof(Matrix);
constexpr std::size_t kHandleBytes = kVectorBytes + 2 * sizeof(Int32);
constexpr std::size_t kLineBytes = 2 * kVectorBytes + sizeof(Int32);
constexpr std::size_t kSphereBytes = 3 * kVectorBytes + sizeof(Int32);

constexpr std::size_t PayloadBytes(DrawCallKind kind)
{
	switch (kind)
	{
	case DrawCallKind::Pen:
		return kPenBytes;
	case DrawCallKind::PointSize:
		return kPointSizeBytes;
	case DrawCallKind::Matrix:
		return kMatrixBytes;
	case DrawCallKind::Handle:
		return kHandleBytes;
	case DrawCallKind::Line:
		return kLineBytes;
	case DrawCallKind::Sphere:
		return kSphereBytes;
	}
	return 0;
}

template <typename T> std::uint8_t* Put(std::uint8_t* at, const T& value)
{
	std::memcpy(at, &value, sizeof(T));
	return at + sizeof(T);
}

template <typename T> const std::uint8_t* Get(const std::uint8_t* at, T& value)
{
	std::memcpy(&value, at, sizeof(T));
	return at + sizeof(T);
}

template <typename T> bool SameBits(const T& a, const T& b)
{
	return std::memcmp(&a, &b, sizeof(T)) == 0;
}
} // namespace

void DrawSink::SetPen(const Vector&, Int32) {}

void DrawSink::SetPointSize(Float) {}

void DrawSink::SetMatrix(const cinema::Matrix&) {}

void DrawSink::DrawHandle(const Vector&, Int32, Int32) {}

void DrawSink::DrawLine(const Vector&, const Vector&, Int32) {}

void DrawSink::DrawSphere(const Vector&, const Vector&, const Vector&, Int32) {}

std::uint8_t* DrawRecording::Append(DrawCallKind kind, std::size_t payload)
{
	const std::size_t at = _bytes.size();
	_bytes.resize(at + 1 + payload);
	_bytes[at] = static_cast<std::uint8_t>(kind);
	++_count;
	return _bytes.data() + at + 1;
}

void DrawRecording::SetPen(const Vector& color, Int32 flags)
{
	if (_hasPen && SameBits(color, _pen) && flags == _penFlags)
		return;
	_hasPen = true;
	_pen = color;
	_penFlags = flags;
	Put(Put(Append(DrawCallKind::Pen, kPenBytes), color), flags);
}

void DrawRecording::SetPointSize(Float size)
{
	if (_hasPointSize && SameBits(size, _pointSize))
		return;
	_hasPointSize = true;
	_pointSize = size;
	Put(Append(DrawCallKind::PointSize, kPointSizeBytes), size);
}

void DrawRecording::SetMatrix(const cinema::Matrix& mg)
{
	if (_hasMatrix && SameBits(mg, _matrix))
		return;
	_hasMatrix = true;
	_matrix = mg;
	Put(Append(DrawCallKind::Matrix, kMatrixBytes), mg);
}

void DrawRecording::DrawHandle(const Vector& position, Int32 type, Int32 flags)
{
	Put(Put(Put(Append(DrawCallKind::Handle, kHandleBytes), position), type), flags);
}

void DrawRecording::DrawLine(const Vector& from, const Vector& to, Int32 flags)
{
	Put(Put(Put(Append(DrawCallKind::Line, kLineBytes), from), to), flags);
}

void DrawRecording::DrawSphere(const Vector& position, const Vector& size, const Vector& color, Int32 flags)
{
	Put(Put(Put(Put(Append(DrawCallKind::Sphere, kSphereBytes), position), size), color), flags);
}

DrawRecording::Iterator DrawRecording::begin() const
{
	return Iterator(_bytes.data(), _bytes.data() + _bytes.size());
}

DrawRecording::Iterator DrawRecording::end() const
{
	const std::uint8_t* last = _bytes.data() + _bytes.size();
	return Iterator(last, last);
}

std::vector<DrawCall> DrawRecording::Expand() const
{
	std::vector<DrawCall> calls;
	calls.reserve(_count);
	for (const DrawCall& call : *this)
		calls.push_back(call);
	return calls;
}

DrawRecording::Iterator::Iterator(const std::uint8_t* at, const std::uint8_t* end) : _at(at), _next(at), _end(end)
{
	Decode();
}

DrawRecording::Iterator& DrawRecording::Iterator::operator++()
{
	_at = _next;
	Decode();
	return *this;
}

void DrawRecording::Iterator::Decode()
{
	if (_at == _end)
	{
		_next = _end;
		return;
	}
	DrawCall call;
	call.kind = static_cast<DrawCallKind>(*_at);
	const std::uint8_t* p = _at + 1;
	switch (call.kind)
	{
	case DrawCallKind::Pen:
		p = Get(Get(p, call.a), call.flags);
		break;
	case DrawCallKind::PointSize:
		p = Get(p, call.value);
		break;
	case DrawCallKind::Matrix:
		p = Get(p, call.matrix);
		break;
	case DrawCallKind::Handle:
		p = Get(Get(Get(p, call.a), call.type), call.flags);
		break;
	case DrawCallKind::Line:
		p = Get(Get(Get(p, call.a), call.b), call.flags);
		break;
	case DrawCallKind::Sphere:
		p = Get(Get(Get(Get(p, call.a), call.b), call.color), call.flags);
		break;
	}
	_call = call;
	_next = _at + 1 + PayloadBytes(call.kind);
}

DRAWRESULT DrawObject(BaseDocument* doc, BaseObject* op, DRAWPASS pass, DrawSink& sink)
{
	if (doc == nullptr || op == nullptr)
		return DRAWRESULT::SKIP;
	HostNode* n = &Host(op);
	if (n->nodeData == nullptr || !n->enabled)
		return DRAWRESULT::SKIP;
	SinkDraw view;
	view.sink = &sink;
	RecordingHelp help;
	help.document = doc;
	help.mg = scene::GlobalMatrix(n);
	return static_cast<ObjectData*>(n->nodeData)->Draw(op, pass, &view, &help);
}

std::vector<ObjectDrawing> DrawDocument(BaseDocument* doc)
{
	std::vector<ObjectDrawing> drawings;
	if (doc == nullptr)
		return drawings;
	// A snapshot whose nodes stay readable: a Draw that frees objects leaves the walk intact.
	const scene::HeldNodes order = scene::HeldNodes::DocumentOrder(&Host(doc));
	for (HostNode* n : order.Nodes())
	{
		if (n->freed || n->nodeData == nullptr || !n->enabled)
			continue;
		BaseObject* op = static_cast<BaseObject*>(n->atom);
		for (DRAWPASS pass : {DRAWPASS::OBJECT, DRAWPASS::HANDLES})
		{
			ObjectDrawing drawing;
			drawing.object = op;
			drawing.pass = pass;
			drawing.result = DrawObject(doc, op, pass, drawing.calls);
			drawings.push_back(std::move(drawing));
		}
	}
	// The drawings of objects a later Draw freed go with them (their records go with the snapshot).
	std::erase_if(drawings, [](const ObjectDrawing& drawing) { return Host(drawing.object).freed; });
	return drawings;
}
} // namespace surfax::draw

namespace cinema
{
using surfax::draw::SinkOf;

void BaseDraw::SetMatrix_Matrix(BaseObject*, const Matrix& mg)
{
	if (surfax::draw::DrawSink* sink = SinkOf(this))
		sink->SetMatrix(mg);
}

void BaseDraw::SetMatrix_Matrix(BaseObject* op, const Matrix& mg, Int32)
{
	SetMatrix_Matrix(op, mg);
}

void BaseDraw::SetPen(const Vector& col, Int32 flags)
{
	if (surfax::draw::DrawSink* sink = SinkOf(this))
		sink->SetPen(col, flags);
}

void BaseDraw::SetPointSize(Float pointsize)
{
	if (surfax::draw::DrawSink* sink = SinkOf(this))
		sink->SetPointSize(pointsize);
}

void BaseDraw::DrawHandle(const Vector& vp, DRAWHANDLE type, Int32 flags)
{
	if (surfax::draw::DrawSink* sink = SinkOf(this))
		sink->DrawHandle(vp, static_cast<Int32>(type), flags);
}

void BaseDraw::DrawLine(const Vector& p1, const Vector& p2, Int32 flags)
{
	if (surfax::draw::DrawSink* sink = SinkOf(this))
		sink->DrawLine(p1, p2, flags);
}

void BaseDraw::DrawSphere(const Vector& off, const Vector& size, const Vector& col, Int32 flags)
{
	if (surfax::draw::DrawSink* sink = SinkOf(this))
		sink->DrawSphere(off, size, col, flags);
}

BaseDocument* BaseDrawHelp::GetDocument()
{
	return static_cast<surfax::draw::RecordingHelp*>(this)->document;
}

const Matrix& BaseDrawHelp::GetMg()
{
	return static_cast<surfax::draw::RecordingHelp*>(this)->mg;
}

Vector GetViewColor(Int32 colid, Vector* defaultColor)
{
	// The application's default colours for the view elements the plug-ins use; another id answers the caller's
	// default, or black.
	switch (colid)
	{
	case VIEWCOLOR_ACTIVEPOINT:
		return Vector(1.0, 0.6, 0.0);
	case VIEWCOLOR_INACTIVEPOINT:
		return Vector(0.2, 0.2, 0.8);
	case VIEWCOLOR_SELECTION_PREVIEW:
		return Vector(1.0, 0.8, 0.2);
	case VIEWCOLOR_HANDLES:
		return Vector(0.2, 0.6, 1.0);
	default:
		return defaultColor != nullptr ? *defaultColor : Vector(0.0);
	}
}
} // namespace cinema
