// The gradient custom data type.
#ifndef CUSTOMGUI_GRADIENT_H__
#define CUSTOMGUI_GRADIENT_H__

#include "c4d_basedocument.h"
#include "c4d_gedata.h"
#include "maxon_result.h"

#define CUSTOMDATATYPE_GRADIENT 1000481
#define CUSTOMGUI_GRADIENT 1000480

#define GRADIENT_KNOT 1001
#define GRADIENT_MODE 1002
#define GRADIENT_UNCLAMPED 1003
#define GRADIENTMODE_COLOR 0
#define GRADIENTMODE_ALPHA 1
#define GRADIENTMODE_COLORALPHA 2

#define GRADIENTKNOT_COLOR 1000
#define GRADIENTKNOT_BRIGHTNESS 1001
#define GRADIENTKNOT_POSITION 1002
#define GRADIENTKNOT_BIAS 1003
#define GRADIENTKNOT_ID 1004
#define GRADIENTKNOT_INTERPOLATION 1005

namespace maxon
{
/// Interpolation from a knot to the next one.
enum class GRADIENT_INTERPOLATION_TYPE : Int32
{
	INVALID = -1,
	CUBICKNOT = 0,
	CUBICBIAS = 1,
	SMOOTHKNOT = 2,
	LINEARKNOT = 3,
	NONE = 5,
	EXP_UP = 6,
	EXP_DOWN = 7,
	BLEND = 8,
};

/// One knot of a gradient.
struct GradientKnot
{
	Color col = Color(1.0);
	Float brightness = 1.0;
	Float pos = 0.0;
	Float bias = 0.5;
	Int32 index = 0;
	GRADIENT_INTERPOLATION_TYPE interpolation = GRADIENT_INTERPOLATION_TYPE::SMOOTHKNOT;
};

struct GradientRenderDataImpl;

/// A gradient prepared for lookups. Copies share the prepared data. An empty value holds no render data.
class GradientRenderData
{
public:
	GradientRenderData() = default;
	/// True when the value holds render data.
	explicit operator bool() const;
	/// Colour at pos (0..1, clamped). Black when the value holds no render data.
	Color CalcGradientPixel(Float pos) const;
	Int GetKnotCount() const;

	/// Stand-in: made by the host.
	explicit GradientRenderData(const void* shared) : _shared(shared) {}
	GradientRenderData(const GradientRenderData& o);
	GradientRenderData& operator=(const GradientRenderData& o);
	~GradientRenderData();

private:
	const void* _shared = nullptr; // host-owned, reference-counted
};
} // namespace maxon

namespace cinema
{
/// Colour management and time context of a render (only the document matters to gradients here).
class InitRenderStruct
{
public:
	InitRenderStruct() = default;
	explicit InitRenderStruct(const BaseDocument* t_doc, Int32 overrideViewTransform = -1)
	{
		Init(t_doc, overrideViewTransform);
	}
	void Init(const BaseDocument* t_doc, Int32 overrideViewTransform = -1);

	BaseTime time;
	Int32 fps = 30;
	const BaseDocument* doc = nullptr;
	BaseThread* thread = nullptr;
	Bool linear_workflow = false;
};

/// A colour ramp of knots. Made by Alloc (or held in a GeData); the host owns the knot storage.
class Gradient : public CustomDataTypeT<CUSTOMDATATYPE_GRADIENT>
{
public:
	/// A new empty gradient, or null when memory is out.
	static Gradient* Alloc();
	static void Free(Gradient*& grad);
	/// Appends a knot; returns its index, or -1 when memory is out.
	Int32 InsertKnot(const maxon::GradientKnot& knot);
	Bool RemoveKnot(Int32 index);
	maxon::GradientKnot GetKnot(Int32 index) const;
	void SetKnot(Int32 index, const maxon::GradientKnot& k);
	Int32 GetKnotCount() const;
	void FlushKnots();
	GeData GetData(Int32 id) const;
	Bool SetData(Int32 id, const GeData& data);
	/// Prepares the gradient for lookups. Fails when memory is out; holds no render data without knots.
	maxon::Result<maxon::GradientRenderData> PrepareRenderData(const InitRenderStruct& irs) const;
	maxon::Result<maxon::GradientRenderData> PrepareRenderData() const;
	Bool CopyFrom(const Gradient* src);

protected:
	Gradient() = default;
	~Gradient() = default;
};
} // namespace cinema

#endif // CUSTOMGUI_GRADIENT_H__
