// Start and end of the plug-in: resource and icons, and registration of the plot object and its four components.
#include "c4d.h"

#include "main.h"

using namespace cinema;

namespace
{
constexpr Int32 kIconSize = 64;
constexpr Int32 kIconCount = 5; // plot, mesh, grid, cage, label, side by side in the strip
constexpr Int32 kIconSlots = 6; // one spare slot, never filled

/// The whole icon strip as loaded; owned until PluginEnd.
BaseBitmap* g_iconStrip = nullptr;
/// kIconSlots icons cut from the strip (null entries where none was cut); null when there is no strip file.
BaseBitmap** g_icons = nullptr;

/// Loads res/3dPlot.tif and cuts it into one icon per type. False when the file is missing or unreadable; the
/// types are then registered without icons.
Bool LoadIcons()
{
	const Filename path = GeGetPluginPath() + Filename("res") + Filename("3dPlot.tif");
	if (!GeFExist(path))
		return false;

	const maxon::ResultPtr<BaseBitmap*> icons = NewMemClear(BaseBitmap*, kIconSlots);
	iferr (icons)
		return false;
	g_icons = icons.GetPointer();

	g_iconStrip = BaseBitmap::Alloc();
	if (g_iconStrip == nullptr)
		return false;

	// An undecodable strip stays allocated (and the table empty) until PluginEnd frees both.
	if (g_iconStrip->Init(path, -1) != IMAGERESULT::OK)
		return false;

	for (Int32 k = 0; k < kIconCount; ++k)
		g_icons[k] = g_iconStrip->GetClonePart(k * kIconSize, 0, kIconSize, kIconSize);
	return true;
}

BaseBitmap* GetPluginIcon(Int32 slot)
{
	return g_icons != nullptr ? g_icons[slot] : nullptr;
}
} // namespace

namespace cinema
{
Bool PluginStart()
{
	// Each type stands alone: one that fails to register does not keep the others away.
	RegisterPlotObject(GetPluginIcon(0));
	RegisterPlotMesh(GetPluginIcon(1));
	RegisterPlotGrid(GetPluginIcon(2));
	RegisterPlotCage(GetPluginIcon(3));
	RegisterPlotLabel(GetPluginIcon(4));
	return true;
}

void PluginEnd()
{
	BaseBitmap::Free(g_iconStrip);
	if (g_icons != nullptr)
	{
		for (Int32 k = 0; k < kIconSlots; ++k)
			BaseBitmap::Free(g_icons[k]);
		DeleteMem(g_icons);
	}
}

Bool PluginMessage(Int32 id, void* data)
{
	(void)data;
	if (id == C4DPL_INIT_SYS && g_resource.Init())
		LoadIcons(); // without icons the types are still registered
	return false;
}
} // namespace cinema
