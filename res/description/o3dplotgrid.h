// Parameter ids of the grid component. Stored in documents: never change them.
#ifndef O3DPLOTGRID_H__
#define O3DPLOTGRID_H__

enum
{
	PLOTGRID_STEP = 30000,
	PLOTGRID_COLOR = 30001,
};

#endif // O3DPLOTGRID_H__
