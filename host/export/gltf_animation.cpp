#include "host/export/gltf_animation.h"

#include <cstring>

namespace surfax::io
{
namespace
{
bool SameNodes(const std::vector<ExportNode>& a, const std::vector<ExportNode>& b)
{
	if (a.size() != b.size())
		return false;
	for (std::size_t i = 0; i < a.size(); ++i)
	{
		if (a[i].name != b[i].name || a[i].parent != b[i].parent || a[i].local != b[i].local ||
		    a[i].world != b[i].world)
			return false;
	}
	return true;
}

bool SameItem(const ExportItem& x, const ExportItem& y)
{
	return x.node == y.node && x.name == y.name && x.colorSource == y.colorSource &&
	       std::memcmp(x.color, y.color, sizeof(x.color)) == 0 && x.positions.size() == y.positions.size() &&
	       x.colors.size() == y.colors.size();
}

bool SameMesh(const ExportMesh& x, const ExportMesh& y)
{
	return SameItem(x, y) && x.indices == y.indices && x.uvs == y.uvs && x.normals.size() == y.normals.size();
}

bool SameLines(const ExportLines& x, const ExportLines& y)
{
	return SameItem(x, y) && x.stripCounts == y.stripCounts;
}

template <typename Item, typename Same>
bool SameItems(const std::vector<Item>& a, const std::vector<Item>& b, Same same)
{
	if (a.size() != b.size())
		return false;
	for (std::size_t i = 0; i < a.size(); ++i)
	{
		if (!same(a[i], b[i]))
			return false;
	}
	return true;
}
} // namespace

bool SameTopology(const ExportScene& a, const ExportScene& b)
{
	return SameNodes(a.nodes, b.nodes) && SameItems(a.meshes, b.meshes, SameMesh) &&
	       SameItems(a.lines, b.lines, SameLines) && SameItems(a.points, b.points, SameItem);
}

GltfAnimationKind ChooseGltfAnimation(const std::vector<ExportScene>& frames)
{
	if (frames.size() < 2)
		return GltfAnimationKind::None;
	if (frames.size() > kMaxMorphFrames + 1)
		return GltfAnimationKind::SwitchedFrames;
	for (std::size_t k = 1; k < frames.size(); ++k)
	{
		if (!SameTopology(frames[0], frames[k]))
			return GltfAnimationKind::SwitchedFrames;
	}
	return GltfAnimationKind::MorphTargets;
}

std::vector<float> FrameTimes(std::size_t count, double fps)
{
	std::vector<float> times(count);
	for (std::size_t k = 0; k < count; ++k)
		times[k] = static_cast<float>(static_cast<double>(k) / fps);
	return times;
}

std::vector<float> MorphWeights(std::size_t count)
{
	const std::size_t targets = count - 1;
	std::vector<float> weights(count * targets, 0.0f);
	for (std::size_t k = 1; k < count; ++k)
		weights[k * targets + (k - 1)] = 1.0f;
	return weights;
}

VisibilityKeys FrameVisibility(std::size_t frame, const std::vector<float>& times)
{
	VisibilityKeys keys;
	auto key = [&](std::size_t at, float value)
	{
		keys.times.push_back(times[at]);
		keys.scales.insert(keys.scales.end(), {value, value, value});
	};
	// Shown from its own time until the next frame's: a step from 0 to 1 and back to 0.
	key(0, frame == 0 ? 1.0f : 0.0f);
	if (frame > 0)
		key(frame, 1.0f);
	if (frame + 1 < times.size())
		key(frame + 1, 0.0f);
	return keys;
}

bool MorphDelta(const float* base, const float* target, std::size_t count, std::vector<float>& delta)
{
	delta.clear();
	bool moves = false;
	for (std::size_t i = 0; i < count && !moves; ++i)
		moves = target[i] != base[i];
	if (!moves)
		return false;
	delta.resize(count);
	for (std::size_t i = 0; i < count; ++i)
		delta[i] = target[i] - base[i];
	return true;
}
} // namespace surfax::io
