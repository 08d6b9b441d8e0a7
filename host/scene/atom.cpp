// C4DAtom, GeListNode and BaseList2D on top of the host's node records.
#include "host/scene/node.h"

#include "host/plugins/registry.h"

namespace cinema
{
using surfax::scene::MarkDataChanged;

namespace
{
// Object properties that live in the node record rather than in the parameter container: the ones obase.h names
// (ID_BASEOBJECT_...), the coordinates and the components of a vector parameter.
enum
{
	kRelPosition = 903,
	kRelRotation = 904,
	kRelScale = 905,
	kVectorX = 1000,
	kVectorY = 1001,
	kVectorZ = 1002,
};

bool ReadProperty(const HostNode& n, Int32 id, GeData& out)
{
	if (n.kind != NodeKind::Object)
		return false;
	switch (id)
	{
	case ID_BASEOBJECT_VISIBILITY_EDITOR:
		out = GeData(n.editorMode);
		return true;
	case ID_BASEOBJECT_VISIBILITY_RENDER:
		out = GeData(n.renderMode);
		return true;
	case kRelPosition:
		out = GeData(n.position);
		return true;
	case kRelRotation:
		out = GeData(n.rotation);
		return true;
	case kRelScale:
		out = GeData(n.scale);
		return true;
	case ID_BASEOBJECT_GENERATOR_FLAG:
		out = GeData(n.enabled);
		return true;
	case ID_BASEOBJECT_USECOLOR:
		out = GeData(n.color.usecolor);
		return true;
	case ID_BASEOBJECT_COLOR:
		out = GeData(n.color.color);
		return true;
	case ID_BASEOBJECT_XRAY:
		out = GeData(n.color.xray);
		return true;
	default:
		return false;
	}
}

bool WriteProperty(HostNode& n, Int32 id, const GeData& value)
{
	if (n.kind != NodeKind::Object)
		return false;
	switch (id)
	{
	case ID_BASEOBJECT_VISIBILITY_EDITOR:
		n.editorMode = value.GetInt32();
		return true;
	case ID_BASEOBJECT_VISIBILITY_RENDER:
		n.renderMode = value.GetInt32();
		return true;
	case kRelPosition:
		n.position = value.GetVector();
		surfax::scene::MarkMatrixChanged(&n);
		return true;
	case kRelRotation:
		n.rotation = value.GetVector();
		surfax::scene::MarkMatrixChanged(&n);
		return true;
	case kRelScale:
		n.scale = value.GetVector();
		surfax::scene::MarkMatrixChanged(&n);
		return true;
	case ID_BASEOBJECT_GENERATOR_FLAG:
		n.enabled = value.GetBool();
		return true;
	case ID_BASEOBJECT_USECOLOR:
		n.color.usecolor = value.GetInt32();
		return true;
	case ID_BASEOBJECT_COLOR:
		n.color.color = value.GetVector();
		return true;
	case ID_BASEOBJECT_XRAY:
		n.color.xray = value.GetBool();
		return true;
	default:
		return false;
	}
}

Float* VectorComponent(Vector& v, Int32 component)
{
	switch (component)
	{
	case kVectorX:
		return &v.x;
	case kVectorY:
		return &v.y;
	case kVectorZ:
		return &v.z;
	default:
		return nullptr;
	}
}

GeListNode* AsList(HostNode* n)
{
	return n ? static_cast<GeListNode*>(n->atom) : nullptr;
}
} // namespace

// --- C4DAtom
// ----------------------------------------------------------------------------------------------------------

Int32 C4DAtom::GetType() const
{
	return Host(this).type;
}

Int32 C4DAtom::GetRealType() const
{
	return Host(this).type;
}

Int32 C4DAtom::GetDiskType() const
{
	return Host(this).type;
}

Bool C4DAtom::IsInstanceOf(Int32 id) const
{
	const HostNode& n = Host(this);
	if (n.type == id)
		return true;
	switch (id)
	{
	case Obase:
		return n.kind == NodeKind::Object;
	case Opoint:
		return n.type == Opolygon || n.type == Ospline;
	default:
		return false;
	}
}

Int32 C4DAtom::GetClassification() const
{
	switch (Host(this).kind)
	{
	case NodeKind::Object:
		return Obase;
	case NodeKind::Tag:
		return 5616; // Tbase
	case NodeKind::Document:
		return 110059; // Tbasedocument
	}
	return 0;
}

Bool C4DAtom::Message(Int32 type, void* data)
{
	HostNode& n = Host(this);
	if (type == MSG_UPDATE)
		MarkDataChanged(&n);
	if (n.nodeData != nullptr)
		return n.nodeData->Message(static_cast<GeListNode*>(this), type, data);
	return true;
}

C4DAtom* C4DAtom::GetClone(COPYFLAGS flags, AliasTrans*) const
{
	HostNode* copy = surfax::scene::CloneNode(&Host(this), flags);
	return copy ? copy->atom : nullptr;
}

Bool C4DAtom::CopyTo(C4DAtom* dst, COPYFLAGS flags, AliasTrans* trn) const
{
	if (dst == nullptr || dst->GetType() != GetType())
		return false;
	const HostNode& src = Host(this);
	HostNode& d = Host(dst);
	d.data = src.data;
	d.name = src.name;
	MarkDataChanged(&d);
	if (src.nodeData != nullptr && d.nodeData != nullptr)
		return src.nodeData->CopyTo(d.nodeData, static_cast<const GeListNode*>(this), static_cast<GeListNode*>(dst),
		                            flags, trn);
	return true;
}

Bool C4DAtom::GetDescription(Description*, DESCFLAGS_DESC) const
{
	return false;
}

Bool C4DAtom::GetParameter(const DescID& id, GeData& t_data, DESCFLAGS_GET) const
{
	const HostNode& n = Host(this);
	if (id.GetDepth() < 1)
		return false;
	GeData value;
	if (!ReadProperty(n, id[0].id, value))
	{
		const GeData* stored = n.data.GetDataPointer(id[0].id);
		if (stored == nullptr)
			return false;
		value = *stored;
	}
	if (id.GetDepth() >= 2 && value.GetType() == DA_VECTOR)
	{
		Vector v = value.GetVector();
		const Float* component = VectorComponent(v, id[1].id);
		if (component == nullptr)
			return false;
		t_data = GeData(*component);
		return true;
	}
	t_data = value;
	return true;
}

Bool C4DAtom::SetParameter(const DescID& id, const GeData& t_data, DESCFLAGS_SET)
{
	HostNode& n = Host(this);
	if (id.GetDepth() < 1)
		return false;
	const Int32 first = id[0].id;
	if (id.GetDepth() >= 2)
	{
		GeData current;
		if (!GetParameter(ConstDescID(DescLevel(first)), current, DESCFLAGS_GET::NONE) ||
		    current.GetType() != DA_VECTOR)
			return false;
		Vector v = current.GetVector();
		Float* component = VectorComponent(v, id[1].id);
		if (component == nullptr)
			return false;
		*component = t_data.GetFloat();
		return SetParameter(ConstDescID(DescLevel(first)), GeData(v), DESCFLAGS_SET::NONE);
	}
	if (!WriteProperty(n, first, t_data))
		n.data.SetData(first, t_data);
	MarkDataChanged(&n);
	return true;
}

Bool C4DAtom::GetEnabling(const DescID& id, const GeData& t_data, DESCFLAGS_ENABLE flags,
                          const BaseContainer* itemdesc) const
{
	const HostNode& n = Host(this);
	if (n.nodeData != nullptr)
		return n.nodeData->GetDEnabling(static_cast<const GeListNode*>(this), id, t_data, flags, itemdesc);
	return true;
}

UInt32 C4DAtom::GetDirty(DIRTYFLAGS flags) const
{
	const HostNode& n = Host(this);
	UInt32 sum = 0;
	if (flags & DIRTYFLAGS::DATA)
		sum += n.dirtyData;
	if (flags & DIRTYFLAGS::MATRIX)
		sum += n.dirtyMatrix;
	if (flags & DIRTYFLAGS::CACHE)
		sum += n.dirtyCache;
	if (flags & DIRTYFLAGS::CHILDREN)
		sum += n.dirtyChildren;
	return sum;
}

void C4DAtom::SetDirty(DIRTYFLAGS flags)
{
	HostNode& n = Host(this);
	if (flags & DIRTYFLAGS::DATA)
		MarkDataChanged(&n);
	if (flags & DIRTYFLAGS::MATRIX)
		n.dirtyMatrix++;
	if (flags & DIRTYFLAGS::CACHE)
		n.dirtyCache++;
	if (flags & DIRTYFLAGS::CHILDREN)
		n.dirtyChildren++;
}

// --- GeListNode
// -------------------------------------------------------------------------------------------------------

GeListNode* GeListNode::GetNext()
{
	return AsList(Host(this).next);
}
GeListNode* GeListNode::GetPred()
{
	return AsList(Host(this).pred);
}
GeListNode* GeListNode::GetDown()
{
	return AsList(Host(this).down);
}
GeListNode* GeListNode::GetUp()
{
	return AsList(Host(this).up);
}
GeListNode* GeListNode::GetDownLast()
{
	return AsList(Host(this).downLast);
}
const GeListNode* GeListNode::GetNext() const
{
	return AsList(Host(this).next);
}
const GeListNode* GeListNode::GetPred() const
{
	return AsList(Host(this).pred);
}
const GeListNode* GeListNode::GetDown() const
{
	return AsList(Host(this).down);
}
const GeListNode* GeListNode::GetUp() const
{
	return AsList(Host(this).up);
}
const GeListNode* GeListNode::GetDownLast() const
{
	return const_cast<GeListNode*>(this)->GetDownLast();
}

void GeListNode::InsertBefore(GeListNode* bl)
{
	HostNode& n = Host(this);
	if (bl == nullptr || bl == this || n.kind != NodeKind::Object)
		return;
	surfax::scene::Unlink(&n);
	HostNode& target = Host(bl);
	surfax::scene::LinkObject(&n, target.document, target.up, target.pred, false);
}

void GeListNode::InsertAfter(GeListNode* bl)
{
	HostNode& n = Host(this);
	if (bl == nullptr || bl == this || n.kind != NodeKind::Object)
		return;
	surfax::scene::Unlink(&n);
	HostNode& target = Host(bl);
	surfax::scene::LinkObject(&n, target.document, target.up, &target, false);
}

void GeListNode::InsertUnder(GeListNode* bl)
{
	HostNode& n = Host(this);
	if (bl == nullptr || bl == this || n.kind != NodeKind::Object)
		return;
	surfax::scene::Unlink(&n);
	HostNode& parent = Host(bl);
	if (parent.kind == NodeKind::Document)
		surfax::scene::LinkObject(&n, &parent, nullptr, nullptr, false);
	else
		surfax::scene::LinkObject(&n, parent.document, &parent, nullptr, false);
}

void GeListNode::InsertUnderLast(GeListNode* bl)
{
	HostNode& n = Host(this);
	if (bl == nullptr || bl == this || n.kind != NodeKind::Object)
		return;
	surfax::scene::Unlink(&n);
	HostNode& parent = Host(bl);
	if (parent.kind == NodeKind::Document)
		surfax::scene::LinkObject(&n, &parent, nullptr, nullptr, true);
	else
		surfax::scene::LinkObject(&n, parent.document, &parent, nullptr, true);
}

void GeListNode::Remove()
{
	surfax::scene::Unlink(&Host(this));
}

void GeListNode::FlushChilds()
{
	HostNode& n = Host(this);
	while (n.down != nullptr)
	{
		HostNode* child = n.down;
		surfax::scene::Unlink(child);
		surfax::scene::DestroyNode(child);
	}
}

GeListHead* GeListNode::GetListHead()
{
	return nullptr;
}

NodeData* GeListNode::GetNodeDataI(Int32)
{
	return Host(this).nodeData;
}

const NodeData* GeListNode::GetNodeDataI(Int32) const
{
	return Host(this).nodeData;
}

const BaseDocument* GeListNode::GetDocument() const
{
	const HostNode& n = Host(this);
	if (n.kind == NodeKind::Document)
		return static_cast<const BaseDocument*>(static_cast<const GeListNode*>(this));
	return n.document ? static_cast<const BaseDocument*>(n.document->atom) : nullptr;
}

BaseDocument* GeListNode::GetDocument()
{
	return const_cast<BaseDocument*>(static_cast<const GeListNode*>(this)->GetDocument());
}

Bool GeListNode::GetNBit(NBIT bit) const
{
	const Int32 index = static_cast<Int32>(bit);
	return index > 0 && index < 32 && (Host(this).nbits & (1u << index)) != 0;
}

Bool GeListNode::ChangeNBit(NBIT bit, NBITCONTROL bitmode)
{
	const Int32 index = static_cast<Int32>(bit);
	if (index <= 0 || index >= 32)
		return false;
	std::uint32_t& bits = Host(this).nbits;
	const std::uint32_t mask = 1u << index;
	switch (bitmode)
	{
	case NBITCONTROL::SET:
		bits |= mask;
		break;
	case NBITCONTROL::CLEAR:
		bits &= ~mask;
		break;
	case NBITCONTROL::TOGGLE:
		bits ^= mask;
		break;
	default:
		break;
	}
	return (bits & mask) != 0;
}

Int32 GeListNode::GetInfo() const
{
	const HostNode& n = Host(this);
	return n.objectType ? n.objectType->info : 0;
}

GeListNode* GeListHead::GetFirst()
{
	return nullptr;
}

GeListNode* GeListHead::GetLast()
{
	return nullptr;
}

// --- BaseList2D
// -------------------------------------------------------------------------------------------------------

BaseList2D* BaseList2D::Alloc(Int32 type)
{
	return BaseObject::Alloc(type);
}

void BaseList2D::Free(BaseList2D*& bl)
{
	FreeListNode(bl);
	bl = nullptr;
}

String BaseList2D::GetName() const
{
	return String(Host(this).name);
}

void BaseList2D::SetName(const maxon::String& name, Bool setDirty)
{
	HostNode& n = Host(this);
	n.name = name.GetUtf8();
	if (setDirty)
		MarkDataChanged(&n);
}

void BaseList2D::SetBit(Int32 mask)
{
	Host(this).bits |= mask;
}

Bool BaseList2D::GetBit(Int32 mask) const
{
	return (Host(this).bits & mask) != 0;
}

void BaseList2D::DelBit(Int32 mask)
{
	Host(this).bits &= ~mask;
}

Int32 BaseList2D::GetAllBits() const
{
	return Host(this).bits;
}

void BaseList2D::SetAllBits(Int32 bits)
{
	Host(this).bits = bits;
}

String BaseList2D::GetTypeName() const
{
	const HostNode& n = Host(this);
	return n.objectType ? String(n.objectType->displayName) : String();
}

const BaseContainer* BaseList2D::GetDataInstance() const
{
	return &Host(this).data;
}

BaseContainer* BaseList2D::GetDataInstance()
{
	return &Host(this).data;
}

const BaseContainer& BaseList2D::GetDataInstanceRef() const
{
	return Host(this).data;
}

BaseContainer& BaseList2D::GetDataInstanceRef()
{
	return Host(this).data;
}

BaseContainer BaseList2D::GetData() const
{
	return Host(this).data;
}

void BaseList2D::SetData(const BaseContainer& bc, Bool add)
{
	HostNode& n = Host(this);
	if (add)
		n.data.MergeContainer(bc);
	else
		n.data = bc;
	MarkDataChanged(&n);
}

void FreeListNode(GeListNode* node)
{
	if (node == nullptr)
		return;
	HostNode* n = &Host(node);
	surfax::scene::Unlink(n);
	surfax::scene::DestroyNode(n);
}
} // namespace cinema
