// A parameter's value as a person types it on the command line (--set SYMBOL=TEXT), typed by the parameter's
// description; the JSON forms it also takes are those of documents (host/document/param_json.h).
#ifndef SURFAX_APP_PARAMETER_TEXT_H
#define SURFAX_APP_PARAMETER_TEXT_H

#include "c4d.h"
#include "host/resources/resource.h"

#include <string>
#include <string_view>

namespace surfax::app
{
/// Parses text as a value of param: numbers with blanks around them and an optional '+' ("2.5", " -180", "1e3",
/// "inf", "NaN"; out of range is an error), "true"/"false", strings as given, vectors as "x,y,z" or "[x, y, z]",
/// cycle entries by value or by symbol, gradients as the JSON of documents, fonts by their display name ("DejaVu Sans
/// Bold") or as the JSON of documents. False with a message (no place) when the text does not fit.
bool ParamValueFromText(const resources::ParamDesc& param, std::string_view text, cinema::GeData& out,
                        std::string& message);
} // namespace surfax::app

#endif
