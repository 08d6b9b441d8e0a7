// The gradient custom data type: knots and mode, and prepared render data for lookups.
#include "customgui_gradient.h"

#include "host/core/custom_data.h"
#include "host/core/memory.h"
#include "host/gradient/gradient_ramp.h"

#include <atomic>
#include <new>
#include <vector>

namespace surfax::gradient
{
namespace
{
struct GradientImpl final : cinema::Gradient
{
	std::vector<maxon::GradientKnot> knots;
	cinema::Int32 mode = GRADIENTMODE_COLOR;
	bool unclamped = false;
};

GradientImpl& Impl(cinema::Gradient* g)
{
	return *static_cast<GradientImpl*>(g);
}

const GradientImpl& Impl(const cinema::Gradient* g)
{
	return *static_cast<const GradientImpl*>(g);
}

// Prepared data shared by copies of a GradientRenderData.
struct SharedRamp
{
	std::atomic<int> references{1};
	Ramp ramp;
};

cinema::CustomDataType* AllocGradient()
{
	return cinema::Gradient::Alloc();
}

void FreeGradient(cinema::CustomDataType* data)
{
	cinema::Gradient* g = static_cast<cinema::Gradient*>(data);
	cinema::Gradient::Free(g);
}

bool CopyGradient(const cinema::CustomDataType* src, cinema::CustomDataType* dst)
{
	return static_cast<cinema::Gradient*>(dst)->CopyFrom(static_cast<const cinema::Gradient*>(src));
}

bool KnotsEqual(const maxon::GradientKnot& a, const maxon::GradientKnot& b)
{
	return a.col == b.col && a.brightness == b.brightness && a.pos == b.pos && a.bias == b.bias && a.index == b.index &&
	       a.interpolation == b.interpolation;
}

bool EqualGradients(const cinema::CustomDataType* a, const cinema::CustomDataType* b)
{
	const GradientImpl& x = Impl(static_cast<const cinema::Gradient*>(a));
	const GradientImpl& y = Impl(static_cast<const cinema::Gradient*>(b));
	if (x.mode != y.mode || x.unclamped != y.unclamped || x.knots.size() != y.knots.size())
		return false;
	for (std::size_t i = 0; i < x.knots.size(); ++i)
	{
		if (!KnotsEqual(x.knots[i], y.knots[i]))
			return false;
	}
	return true;
}

const core::CustomDataClass kGradientClass = {CUSTOMDATATYPE_GRADIENT, "gradient",    &AllocGradient,
                                              &FreeGradient,           &CopyGradient, &EqualGradients};

// The type is known to every GeData as soon as the host library is loaded.
const bool g_registered = (core::RegisterCustomDataClass(&kGradientClass), true);
} // namespace
} // namespace surfax::gradient

namespace maxon
{
using surfax::gradient::SharedRamp;

GradientRenderData::operator bool() const
{
	return _shared != nullptr;
}

Color GradientRenderData::CalcGradientPixel(Float pos) const
{
	return _shared ? static_cast<const SharedRamp*>(_shared)->ramp.Sample(pos) : Color();
}

Int GradientRenderData::GetKnotCount() const
{
	return _shared ? static_cast<Int>(static_cast<const SharedRamp*>(_shared)->ramp.GetKnotCount()) : 0;
}

GradientRenderData::GradientRenderData(const GradientRenderData& o) : _shared(o._shared)
{
	if (_shared)
		++const_cast<SharedRamp*>(static_cast<const SharedRamp*>(_shared))->references;
}

GradientRenderData& GradientRenderData::operator=(const GradientRenderData& o)
{
	if (this != &o)
	{
		GradientRenderData copy(o);
		std::swap(_shared, copy._shared);
	}
	return *this;
}

GradientRenderData::~GradientRenderData()
{
	if (_shared)
	{
		SharedRamp* shared = const_cast<SharedRamp*>(static_cast<const SharedRamp*>(_shared));
		if (--shared->references == 0)
			delete shared;
	}
}
} // namespace maxon

namespace cinema
{
using surfax::gradient::Impl;

void InitRenderStruct::Init(const BaseDocument* t_doc, Int32)
{
	doc = t_doc;
	if (t_doc != nullptr)
	{
		time = t_doc->GetTime();
		fps = t_doc->GetFps();
	}
}

Gradient* Gradient::Alloc()
{
	(void)surfax::gradient::g_registered;
	if (surfax::core::ShouldFailAllocation())
		return nullptr;
	return new (std::nothrow) surfax::gradient::GradientImpl();
}

void Gradient::Free(Gradient*& grad)
{
	delete static_cast<surfax::gradient::GradientImpl*>(grad);
	grad = nullptr;
}

Int32 Gradient::InsertKnot(const maxon::GradientKnot& knot)
{
	std::vector<maxon::GradientKnot>& knots = Impl(this).knots;
	try
	{
		knots.push_back(knot);
	}
	catch (const std::bad_alloc&)
	{
		return -1;
	}
	return static_cast<Int32>(knots.size() - 1);
}

Bool Gradient::RemoveKnot(Int32 index)
{
	std::vector<maxon::GradientKnot>& knots = Impl(this).knots;
	if (index < 0 || index >= static_cast<Int32>(knots.size()))
		return false;
	knots.erase(knots.begin() + index);
	return true;
}

maxon::GradientKnot Gradient::GetKnot(Int32 index) const
{
	const std::vector<maxon::GradientKnot>& knots = Impl(this).knots;
	return (index >= 0 && index < static_cast<Int32>(knots.size())) ? knots[static_cast<std::size_t>(index)]
	                                                                : maxon::GradientKnot();
}

void Gradient::SetKnot(Int32 index, const maxon::GradientKnot& k)
{
	std::vector<maxon::GradientKnot>& knots = Impl(this).knots;
	if (index >= 0 && index < static_cast<Int32>(knots.size()))
		knots[static_cast<std::size_t>(index)] = k;
}

Int32 Gradient::GetKnotCount() const
{
	return static_cast<Int32>(Impl(this).knots.size());
}

void Gradient::FlushKnots()
{
	Impl(this).knots.clear();
}

GeData Gradient::GetData(Int32 id) const
{
	switch (id)
	{
	case GRADIENT_MODE:
		return GeData(Impl(this).mode);
	case GRADIENT_UNCLAMPED:
		return GeData(Impl(this).unclamped);
	default:
		return GeData();
	}
}

Bool Gradient::SetData(Int32 id, const GeData& data)
{
	switch (id)
	{
	case GRADIENT_MODE:
		Impl(this).mode = data.GetInt32();
		return true;
	case GRADIENT_UNCLAMPED:
		Impl(this).unclamped = data.GetBool();
		return true;
	default:
		return false;
	}
}

maxon::Result<maxon::GradientRenderData> Gradient::PrepareRenderData(const InitRenderStruct&) const
{
	return PrepareRenderData();
}

maxon::Result<maxon::GradientRenderData> Gradient::PrepareRenderData() const
{
	const std::vector<maxon::GradientKnot>& knots = Impl(this).knots;
	if (knots.empty())
		return maxon::GradientRenderData();
	if (surfax::core::ShouldFailAllocation())
		return maxon::FAILED;
	auto* shared = new (std::nothrow) surfax::gradient::SharedRamp();
	if (shared == nullptr)
		return maxon::FAILED;
	std::vector<surfax::gradient::Knot> converted(knots.size());
	for (std::size_t i = 0; i < knots.size(); ++i)
	{
		converted[i].color = knots[i].col;
		converted[i].brightness = knots[i].brightness;
		converted[i].position = knots[i].pos;
		converted[i].bias = knots[i].bias;
		converted[i].index = knots[i].index;
		converted[i].interpolation = static_cast<Int32>(knots[i].interpolation);
	}
	if (!shared->ramp.Prepare(converted.data(), converted.size()))
	{
		delete shared;
		return maxon::FAILED;
	}
	return maxon::GradientRenderData(shared);
}

Bool Gradient::CopyFrom(const Gradient* src)
{
	if (src == nullptr)
		return false;
	if (src == this)
		return true;
	try
	{
		Impl(this) = Impl(src);
	}
	catch (const std::bad_alloc&)
	{
		return false;
	}
	return true;
}
} // namespace cinema
