// The strict JSON reader and the tree it parses into: what it refuses and where, and that a tree of any shape frees
// itself (without the library's stack, which throws when memory is short).
#include "host/json/json_reader.h"

#include <gtest/gtest.h>

#include <string>

using surfax::io::JsonError;
using surfax::io::JsonTree;
using surfax::io::ParseJson;

TEST(JsonTree, HoldsAndFreesDeepWideAndMixedValuesAndCanBeParsedAgain)
{
	const std::size_t depth = 200000;
	const std::string deep = std::string(depth, '[') + "1" + std::string(depth, ']');
	std::string wide = "[";
	for (int i = 0; i < 100000; ++i)
		wide += i == 0 ? "{\"a\": [1, {\"b\": \"x\"}]}" : ", {\"a\": [1, {\"b\": \"x\"}]}";
	wide += "]";
	const std::string mixed = R"({"objects": [[], {}, [[[]]], {"k": {"l": [null, true, 2.5, "s"]}}], "n": 1})";
	JsonTree tree;
	JsonError error;
	for (const std::string* text : {&deep, static_cast<const std::string*>(&wide), &mixed, &deep})
	{
		ASSERT_TRUE(ParseJson(*text, tree, error)) << error.Format();
		EXPECT_TRUE(tree.Root().is_structured());
	}
	const nlohmann::json* inner = &tree.Root();
	std::size_t levels = 0;
	while (inner->is_array())
	{
		inner = &inner->at(0);
		++levels;
	}
	EXPECT_EQ(levels, depth);
	tree.Clear();
	EXPECT_TRUE(tree.Root().is_null());

	// A text that fails half-way leaves a null tree, its partial value freed the same way.
	EXPECT_FALSE(ParseJson(std::string(depth, '[') + "1,", tree, error));
	EXPECT_TRUE(tree.Root().is_null());
	ASSERT_TRUE(ParseJson(mixed, tree, error));
	const nlohmann::json released = tree.Release();
	EXPECT_TRUE(tree.Root().is_null());
	EXPECT_EQ(released.at("n"), 1);
}
