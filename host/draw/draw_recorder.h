// Drawing in the stand-in: a view (BaseDraw) that hands what objects draw to a sink, pass by pass. The recording
// sink keeps the calls compactly for the dump and the tests; the export uses its own sink and keeps only what it
// turns into geometry.
#ifndef SURFAX_HOST_DRAW_DRAW_RECORDER_H
#define SURFAX_HOST_DRAW_DRAW_RECORDER_H

#include "c4d.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace surfax::draw
{
enum class DrawCallKind : std::uint8_t
{
	Pen,
	PointSize,
	Matrix,
	Handle,
	Line,
	Sphere,
};

/// One call as a reader sees it. Fields not used by the kind stay zero.
struct DrawCall
{
	DrawCallKind kind = DrawCallKind::Pen;
	cinema::Vector a;          // pen colour, handle or sphere position, line start
	cinema::Vector b;          // line end, sphere size
	cinema::Vector color;      // sphere colour
	cinema::Float value = 0.0; // point size
	cinema::Matrix matrix;     // for Matrix
	cinema::Int32 type = 0;    // handle type
	cinema::Int32 flags = 0;
};

/// Receives the calls of one object's drawing in the order the object makes them. Every call defaults to
/// ignoring its arguments, so a sink overrides only what it uses.
class DrawSink
{
public:
	virtual void SetPen(const cinema::Vector& color, cinema::Int32 flags);
	virtual void SetPointSize(cinema::Float size);
	virtual void SetMatrix(const cinema::Matrix& mg);
	virtual void DrawHandle(const cinema::Vector& position, cinema::Int32 type, cinema::Int32 flags);
	virtual void DrawLine(const cinema::Vector& from, const cinema::Vector& to, cinema::Int32 flags);
	virtual void DrawSphere(const cinema::Vector& position, const cinema::Vector& size, const cinema::Vector& color,
	                        cinema::Int32 flags);

protected:
	~DrawSink() = default;
};

/// The calls of one drawing, packed into one byte array: each record is its kind byte followed by the call's
/// arguments (a pen 28 bytes, a handle 32, a line 52, a sphere 76, a point size 8, a matrix 96).
///
/// State calls (pen, point size, matrix) are kept only when they change the state: the first of each kind is
/// always kept, later ones only when their arguments differ bit for bit from the state in force. A reader that
/// carries the state along therefore sees every drawn element with the pen, point size and matrix it was drawn
/// with. Reading decodes one record at a time; nothing is expanded.
class DrawRecording final : public DrawSink
{
public:
	class Iterator
	{
	public:
		using value_type = DrawCall;
		using difference_type = std::ptrdiff_t;
		using reference = const DrawCall&;
		using pointer = const DrawCall*;
		using iterator_category = std::input_iterator_tag;

		const DrawCall& operator*() const { return _call; }
		const DrawCall* operator->() const { return &_call; }
		Iterator& operator++();
		bool operator==(const Iterator& other) const { return _at == other._at; }
		bool operator!=(const Iterator& other) const { return _at != other._at; }

	private:
		friend class DrawRecording;
		Iterator(const std::uint8_t* at, const std::uint8_t* end);
		void Decode();
		const std::uint8_t* _at = nullptr;   // the record in _call
		const std::uint8_t* _next = nullptr; // the record after it (== end at the end)
		const std::uint8_t* _end = nullptr;
		DrawCall _call;
	};

	void SetPen(const cinema::Vector& color, cinema::Int32 flags) override;
	void SetPointSize(cinema::Float size) override;
	void SetMatrix(const cinema::Matrix& mg) override;
	void DrawHandle(const cinema::Vector& position, cinema::Int32 type, cinema::Int32 flags) override;
	void DrawLine(const cinema::Vector& from, const cinema::Vector& to, cinema::Int32 flags) override;
	void DrawSphere(const cinema::Vector& position, const cinema::Vector& size, const cinema::Vector& color,
	                cinema::Int32 flags) override;

	Iterator begin() const;
	Iterator end() const;
	/// Number of records kept.
	std::size_t size() const { return _count; }
	bool empty() const { return _count == 0; }
	/// Bytes the records take.
	std::size_t ByteSize() const { return _bytes.size(); }
	/// The records decoded into a vector, for callers that want to index them.
	std::vector<DrawCall> Expand() const;

private:
	std::uint8_t* Append(DrawCallKind kind, std::size_t payload);

	std::vector<std::uint8_t> _bytes;
	std::size_t _count = 0;
	// The state in force, to drop state calls that change nothing.
	bool _hasPen = false, _hasPointSize = false, _hasMatrix = false;
	cinema::Vector _pen;
	cinema::Int32 _penFlags = 0;
	cinema::Float _pointSize = 0.0;
	cinema::Matrix _matrix;
};

/// The calls of one object in one pass, with the draw result it returned.
struct ObjectDrawing
{
	const cinema::BaseObject* object = nullptr;
	cinema::DRAWPASS pass = cinema::DRAWPASS::OBJECT;
	cinema::DRAWRESULT result = cinema::DRAWRESULT::OK;
	DrawRecording calls;
};

/// Asks op, an object of doc, to draw itself in one pass into sink (with the object's global matrix in the draw
/// help) and returns its draw result. Objects that are not plug-in objects or whose enabled check mark is off do
/// not draw: SKIP, and the sink hears nothing.
cinema::DRAWRESULT DrawObject(cinema::BaseDocument* doc, cinema::BaseObject* op, cinema::DRAWPASS pass, DrawSink& sink);

/// Draws every enabled plug-in object of doc in the object pass and the handle pass and returns the recordings,
/// in document order. Objects that draw nothing still appear with their result.
std::vector<ObjectDrawing> DrawDocument(cinema::BaseDocument* doc);
} // namespace surfax::draw

#endif
