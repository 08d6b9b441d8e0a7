// Parameter ids of the cage component. Stored in documents: never change them.
#ifndef O3DPLOTCAGE_H__
#define O3DPLOTCAGE_H__

enum
{
	PLOTCAGE_LEVELS = 40000,
	PLOTCAGE_DIVISIONS = 40001,
	PLOTCAGE_COLOR = 40002,
};

#endif // O3DPLOTCAGE_H__
