// What the fuzz targets share: the contract check that ends a run with a saved input, a temporary folder that lives
// as long as the process, the built plug-in loaded once per process, and walks and checks of documents.
#ifndef SURFAX_TESTS_FUZZ_FUZZ_SUPPORT_H
#define SURFAX_TESTS_FUZZ_FUZZ_SUPPORT_H

#include "c4d.h"
#include "host/core/diagnostics.h"
#include "host/document/document_json.h"
#include "host/plugins/loader.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace surfax::fuzz
{
/// Ends the run (libFuzzer saves the input) when a checked contract does not hold.
inline void Require(bool condition)
{
	if (!condition)
		std::abort();
}

/// A folder of its own below the temporary directory ($TMPDIR), made on first use and removed when the process ends
/// normally. Inputs that must be files are written into it.
inline const std::filesystem::path& ProcessFolder()
{
	struct Folder
	{
		std::filesystem::path path;
		Folder()
		{
			std::string pattern = (std::filesystem::temp_directory_path() / "surfax-fuzz-XXXXXX").string();
			Require(mkdtemp(pattern.data()) != nullptr);
			path = pattern;
		}
		~Folder()
		{
			std::error_code ignored;
			std::filesystem::remove_all(path, ignored);
		}
	};
	static const Folder folder;
	return folder.path;
}

/// Loads the plug-in the build made (SURFAX_PLUGIN_LIBRARY) once per process, with the host's messages quiet; the
/// run ends when it cannot be loaded, since every input would then miss it.
inline void EnsurePluginLoaded()
{
	static const bool loaded = []
	{
		core::SetQuiet(true);
#ifdef SURFAX_PLUGIN_LIBRARY
		return plugins::LoadPlugin(SURFAX_PLUGIN_LIBRARY).loaded;
#else
		return false;
#endif
	}();
	Require(loaded);
}

/// The document saves to text that loads again and saves to the same bytes.
inline void RequireRoundTrip(const cinema::BaseDocument& doc)
{
	const std::string saved = io::SaveDocumentJson(doc);
	io::JsonError error;
	cinema::BaseDocument* again = io::LoadDocumentJson(saved, error);
	Require(again != nullptr);
	const bool same = io::SaveDocumentJson(*again) == saved;
	cinema::BaseDocument::Free(again);
	Require(same);
}
} // namespace surfax::fuzz

#endif
