#include "support/missing_package.h"

#include <cstdlib>

namespace surfax::test
{
bool HasProgram(const std::string& program)
{
	return std::system(("command -v '" + program + "' > /dev/null 2>&1").c_str()) == 0;
}

std::string MissingPackageReason(const std::string& package, const std::string& program)
{
	return "missing Debian package " + package + " (" + program + ")";
}
} // namespace surfax::test
