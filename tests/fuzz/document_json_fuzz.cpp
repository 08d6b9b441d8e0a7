// Feeds arbitrary bytes to the document loader. Besides crashes, leaks and sanitizer reports it checks the contract:
// a failure carries a message and a place inside the text (or a path), and a loaded document saves to text that
// loads again and saves to the same bytes.
#include "host/document/document_json.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
	const std::string_view text(reinterpret_cast<const char*>(data), size);
	surfax::io::JsonError error;
	cinema::BaseDocument* doc = surfax::io::LoadDocumentJson(text, error);
	if (doc == nullptr)
	{
		if (error.message.empty() || error.line < 0 || error.column < 0)
			std::abort();
		return 0;
	}
	const std::string saved = surfax::io::SaveDocumentJson(*doc);
	cinema::BaseDocument::Free(doc);
	cinema::BaseDocument* again = surfax::io::LoadDocumentJson(saved, error);
	if (again == nullptr)
		std::abort();
	const bool same = surfax::io::SaveDocumentJson(*again) == saved;
	cinema::BaseDocument::Free(again);
	if (!same)
		std::abort();
	return 0;
}
