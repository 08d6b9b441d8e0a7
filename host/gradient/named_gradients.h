// Gradients by name, for the command line: `--set PLOT_GRADIENT=viridis` writes that colour map's knots into the
// gradient parameter, as a person would build it knot by knot in the gradient editor.
#ifndef SURFAX_HOST_GRADIENT_NAMED_GRADIENTS_H
#define SURFAX_HOST_GRADIENT_NAMED_GRADIENTS_H

#include "c4d.h"

#include <string>
#include <string_view>

namespace surfax::gradient
{
/// The names, in the order they are listed to a person: "viridis, cividis, magma, grey, rainbow".
std::string NamedGradientList();

/// True when `name` (letters ignore case; "gray" is "grey") names a gradient.
bool IsNamedGradient(std::string_view name);

/// Replaces `out` with a gradient (custom data type CUSTOMDATATYPE_GRADIENT) holding the named map's knots, in
/// colour mode (GRADIENT_MODE 0):
///   viridis  dark violet through blue and green to yellow, ten even linear knots;
///   cividis  dark blue through grey to yellow, ten even linear knots (reads the same to red-green colour blindness);
///   magma    black through purple and red to pale yellow, ten even linear knots;
///   grey     black at 0 to white at 1, linear;
///   rainbow  the plot object's default ramp: blue at 0, green at 0.5, red at 1, smooth knots.
/// Every knot has brightness 1 and bias 0.5. False when the name is unknown or memory runs out (`out` unchanged).
bool MakeNamedGradient(std::string_view name, cinema::GeData& out);
} // namespace surfax::gradient

#endif
