#include "support/document_type.h"

#include "host/plugins/registry.h"
#include "host/resources/resource.h"

#include <gtest/gtest.h>

#include <memory>

namespace surfax::test
{
namespace
{
constexpr const char* kDescription = R"(CONTAINER otestdoc
{
	NAME otestdoc;
	GROUP ID_OBJECTPROPERTIES
	{
		LONG DOC_COUNT { MIN 0; MAX 10; }
		LONG DOC_MODE { CYCLE { DOC_MODE_A; DOC_MODE_C; } }
		REAL DOC_SCALE { }
		BOOL DOC_FLAG { }
		STRING DOC_TEXT { }
		FILENAME DOC_FILE { }
		VECTOR DOC_OFFSET { }
		COLOR DOC_TINT { }
		GRADIENT DOC_RAMP { }
		FONT DOC_FONT { }
		BUTTON DOC_PRESS { }
	}
}
)";
} // namespace

void EnsureDocumentTestType()
{
	if (plugins::FindObjectType(kDocumentTestType) != nullptr)
		return;
	const resources::SymbolList symbols = {
	    {"DOC_COUNT", DOC_COUNT},   {"DOC_MODE", DOC_MODE}, {"DOC_MODE_A", DOC_MODE_A}, {"DOC_MODE_C", DOC_MODE_C},
	    {"DOC_SCALE", DOC_SCALE},   {"DOC_FLAG", DOC_FLAG}, {"DOC_TEXT", DOC_TEXT},     {"DOC_FILE", DOC_FILE},
	    {"DOC_OFFSET", DOC_OFFSET}, {"DOC_TINT", DOC_TINT}, {"DOC_RAMP", DOC_RAMP},     {"DOC_FONT", DOC_FONT},
	    {"DOC_PRESS", DOC_PRESS}};
	auto description = std::make_shared<resources::DescriptionResource>();
	resources::SourceError sourceError;
	ASSERT_TRUE(resources::ParseDescriptionText(kDescription, "otestdoc.res", symbols, *description, sourceError))
	    << sourceError.Format();
	plugins::ObjectType type;
	type.id = kDocumentTestType;
	type.descriptionName = "otestdoc";
	type.displayName = "Document Test";
	type.description = description;
	std::string error;
	ASSERT_TRUE(plugins::AddObjectType(std::move(type), error)) << error;
}
} // namespace surfax::test
