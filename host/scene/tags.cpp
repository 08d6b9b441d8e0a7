// Tags and their element arrays.
#include "host/scene/node.h"

#include "host/core/memory.h"

#include <cstring>

namespace cinema
{
namespace
{
// UVW data is kept as 12 floats per polygon (a, b, c, d corners), as the application stores it.
struct UVWElement
{
	Float32 v[12];
};

bool AllocateElements(HostNode& n, Int32 count)
{
	const Int32 size = surfax::scene::VariableTagElementSize(n.type);
	if (count < 0 || size <= 0)
		return false;
	if (surfax::core::ShouldFailAllocation())
		return false;
	try
	{
		n.elements.assign(static_cast<std::size_t>(count) * static_cast<std::size_t>(size), 0);
	}
	catch (const std::bad_alloc&)
	{
		surfax::core::NoteRefusedAllocation();
		return false;
	}
	n.elementCount = count;
	n.elementSize = size;
	return true;
}
} // namespace

BaseTag* BaseTag::Alloc(Int32 type)
{
	if (surfax::scene::VariableTagElementSize(type) > 0)
		return VariableTag::Alloc(type, 0);
	HostNode* n = surfax::scene::CreateNode(NodeKind::Tag, type);
	return n ? static_cast<BaseTag*>(n->atom) : nullptr;
}

void BaseTag::Free(BaseTag*& bl)
{
	FreeListNode(bl);
	bl = nullptr;
}

BaseObject* BaseTag::GetObject()
{
	HostNode* owner = Host(this).tagOwner;
	return owner ? static_cast<BaseObject*>(owner->atom) : nullptr;
}

const BaseObject* BaseTag::GetObject() const
{
	return const_cast<BaseTag*>(this)->GetObject();
}

BaseTag* BaseTag::GetNext()
{
	HostNode* n = Host(this).next;
	return n ? static_cast<BaseTag*>(n->atom) : nullptr;
}

BaseTag* BaseTag::GetPred()
{
	HostNode* n = Host(this).pred;
	return n ? static_cast<BaseTag*>(n->atom) : nullptr;
}

const BaseTag* BaseTag::GetNext() const
{
	return const_cast<BaseTag*>(this)->GetNext();
}

const BaseTag* BaseTag::GetPred() const
{
	return const_cast<BaseTag*>(this)->GetPred();
}

VariableTag* VariableTag::Alloc(Int32 type, Int32 count)
{
	if (surfax::scene::VariableTagElementSize(type) <= 0 || count < 0)
		return nullptr;
	HostNode* n = surfax::scene::CreateNode(NodeKind::Tag, type);
	if (n == nullptr)
		return nullptr;
	if (!AllocateElements(*n, count))
	{
		surfax::scene::DestroyNode(n);
		return nullptr;
	}
	return static_cast<VariableTag*>(n->atom);
}

Int32 VariableTag::GetDataCount() const
{
	return Host(this).elementCount;
}

const void* VariableTag::GetLowlevelDataAddressR() const
{
	const HostNode& n = Host(this);
	return n.elements.empty() ? nullptr : n.elements.data();
}

void* VariableTag::GetLowlevelDataAddressW()
{
	HostNode& n = Host(this);
	return n.elements.empty() ? nullptr : n.elements.data();
}

UVWTag* UVWTag::Alloc(Int32 count)
{
	return static_cast<UVWTag*>(VariableTag::Alloc(Tuvw, count));
}

ConstUVWHandle UVWTag::GetDataAddressR() const
{
	return GetLowlevelDataAddressR();
}

UVWHandle UVWTag::GetDataAddressW()
{
	return GetLowlevelDataAddressW();
}

void UVWTag::Get(ConstUVWHandle dataptr, Int32 i, UVWStruct& res)
{
	const UVWElement& e = static_cast<const UVWElement*>(dataptr)[i];
	res.a = Vector(e.v[0], e.v[1], e.v[2]);
	res.b = Vector(e.v[3], e.v[4], e.v[5]);
	res.c = Vector(e.v[6], e.v[7], e.v[8]);
	res.d = Vector(e.v[9], e.v[10], e.v[11]);
}

void UVWTag::Set(UVWHandle dataptr, Int32 i, const UVWStruct& s)
{
	UVWElement& e = static_cast<UVWElement*>(dataptr)[i];
	const Vector* corners[4] = {&s.a, &s.b, &s.c, &s.d};
	for (int k = 0; k < 4; ++k)
	{
		e.v[k * 3 + 0] = static_cast<Float32>(corners[k]->x);
		e.v[k * 3 + 1] = static_cast<Float32>(corners[k]->y);
		e.v[k * 3 + 2] = static_cast<Float32>(corners[k]->z);
	}
}

void UVWTag::Copy(UVWHandle destptr, Int32 dst, ConstUVWHandle srcptr, Int32 src)
{
	static_cast<UVWElement*>(destptr)[dst] = static_cast<const UVWElement*>(srcptr)[src];
}

VertexColorTag* VertexColorTag::Alloc(Int32 count)
{
	return static_cast<VertexColorTag*>(VariableTag::Alloc(Tvertexcolor, count));
}

ConstVertexColorHandle VertexColorTag::GetDataAddressR() const
{
	return GetLowlevelDataAddressR();
}

VertexColorHandle VertexColorTag::GetDataAddressW()
{
	return GetLowlevelDataAddressW();
}

Bool VertexColorTag::IsPerPointColor() const
{
	return true;
}

Bool VertexColorTag::SetPerPointMode(Bool perPointColor)
{
	// The stand-in keeps vertex colours per point only.
	return perPointColor;
}

void VertexColorTag::Get(ConstVertexColorHandle dataptr, Int32 i, VertexColorStruct& res)
{
	const maxon::ColorA32 c = Get(dataptr, nullptr, nullptr, i);
	res.a = res.b = res.c = res.d = c;
}

void VertexColorTag::Set(VertexColorHandle dataptr, Int32 i, const VertexColorStruct& s)
{
	Set(dataptr, nullptr, nullptr, i, s.a);
}

maxon::ColorA32 VertexColorTag::Get(ConstVertexColorHandle dataptr, Neighbor*, const CPolygon*, Int32 pIndex)
{
	maxon::ColorA32 c;
	std::memcpy(&c, static_cast<const unsigned char*>(dataptr) + static_cast<std::size_t>(pIndex) * 16, 16);
	return c;
}

void VertexColorTag::Set(VertexColorHandle dataptr, Neighbor*, const CPolygon*, Int32 pIndex,
                         const maxon::ColorA32& color)
{
	std::memcpy(static_cast<unsigned char*>(dataptr) + static_cast<std::size_t>(pIndex) * 16, &color, 16);
}
} // namespace cinema
