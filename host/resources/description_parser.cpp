#include "host/resources/host_symbols.h"
#include "host/resources/resource.h"
#include "host/resources/resource_lexer.h"

#include <limits>
#include <unordered_map>

namespace surfax::resources
{

namespace
{

struct ElementKeyword
{
	std::string_view keyword;
	ParamType type;
};

constexpr ElementKeyword kElementKeywords[] = {
    {"LONG", ParamType::Long},           {"REAL", ParamType::Real},
    {"BOOL", ParamType::Bool},           {"STRING", ParamType::String},
    {"VECTOR", ParamType::Vector},       {"COLOR", ParamType::Color},
    {"GRADIENT", ParamType::Gradient},   {"FONT", ParamType::Font},
    {"BUTTON", ParamType::Button},       {"LINK", ParamType::Link},
    {"FILENAME", ParamType::Filename},   {"SPLINE", ParamType::Spline},
    {"SEPARATOR", ParamType::Separator}, {"STATICTEXT", ParamType::StaticText},
};

constexpr std::string_view kUnits[] = {"METER", "PERCENT", "DEGREE", "REAL", "LONG", "TIME"};

const ElementKeyword* FindElementKeyword(std::string_view word)
{
	for (const ElementKeyword& entry : kElementKeywords)
		if (entry.keyword == word)
			return &entry;
	return nullptr;
}

bool IsIdToken(const Token& token)
{
	return token.kind == TokenKind::Identifier || token.kind == TokenKind::Number;
}

// A `KEYWORD [argument];` statement. The argument is one identifier or number, a number possibly signed.
struct Option
{
	std::string_view keyword;
	int line = 0;
	std::string argument;
	int argumentLine = 0;

	bool HasArgument() const { return argumentLine != 0; }
	std::string Written() const { return HasArgument() ? std::string(keyword) + " " + argument : std::string(keyword); }
};

class DescriptionParser
{
public:
	DescriptionParser(std::string_view text, const std::string& fileName, const SymbolList& symbols, SourceError& error)
	    : in_(text, fileName, false, error)
	{
		for (const auto& [name, value] : symbols)
			symbols_.emplace(name, value);
	}

	bool Parse(DescriptionResource& out)
	{
		if (!in_.IsWord("CONTAINER"))
			return in_.FailUnexpected("expected 'CONTAINER'");
		in_.Next();
		if (in_.Peek().kind != TokenKind::Identifier)
			return in_.FailExpected("expected the container name after 'CONTAINER'");
		const Token name = in_.Next();
		desc_.containerName = name.text;
		const std::string what = "'CONTAINER " + desc_.containerName + "'";
		if (!Open(what, 0) || !ParseBody(what, name.line, 1, -1))
			return false;
		if (in_.Peek().kind != TokenKind::End)
			return in_.FailUnexpected("expected end of file after the CONTAINER block");
		out = std::move(desc_);
		return true;
	}

private:
	// Consumes the '{' that opens a block at nesting `depth` + 1.
	bool Open(const std::string& what, int depth)
	{
		if (!in_.Expect('{', what))
			return false;
		if (depth + 1 > kMaxResourceNesting)
			return in_.Fail(in_.PreviousLine(), "blocks nest deeper than " + std::to_string(kMaxResourceNesting));
		return true;
	}

	bool FailUnclosed(const std::string& what, int openLine)
	{
		return in_.FailExpected("expected '}' to close " + what + " opened on line " + std::to_string(openLine));
	}

	// Statements of the container (groupIndex -1) or of desc_.groups[groupIndex], up to and including the '}'.
	bool ParseBody(const std::string& what, int openLine, int depth, int groupIndex)
	{
		const std::int32_t groupId = groupIndex < 0 ? 0 : desc_.groups[static_cast<std::size_t>(groupIndex)].id;
		for (;;)
		{
			if (in_.IsPunct('}'))
			{
				in_.Next();
				return true;
			}
			const Token& token = in_.Peek();
			if (token.kind == TokenKind::End)
				return FailUnclosed(what, openLine);
			if (token.kind != TokenKind::Identifier)
				return in_.FailUnexpected("expected a GROUP, an element or an option in " + what);
			const std::string_view word = token.text;
			bool ok = true;
			if (word == "GROUP")
				ok = ParseGroup(groupId, depth);
			else if (const ElementKeyword* element = FindElementKeyword(word))
				ok = ParseElement(element->type, groupId, depth);
			else if (in_.IsPunct('{', 1) || (IsIdToken(in_.Peek(1)) && in_.IsPunct('{', 2)))
				return in_.Fail(token.line, "unknown element type " + Quote(word)); // its layout is unknown too
			else
			{
				Option option;
				ok = ReadOption(option) && ApplyBodyOption(option, groupIndex);
			}
			if (!ok)
				return false;
		}
	}

	bool ApplyBodyOption(const Option& option, int groupIndex)
	{
		const bool inContainer = groupIndex < 0;
		if (option.keyword == "HIDE" && option.HasArgument())
		{
			desc_.hidden.push_back(option.argument);
			return true;
		}
		if (inContainer && option.keyword == "NAME")
		{
			if (!option.HasArgument())
				return in_.Fail(option.line, "NAME needs the container's name");
			if (!desc_.nameSymbol.empty())
				return in_.Fail(option.line, "NAME is given twice");
			if (option.argument != desc_.containerName)
				return in_.Fail(option.argumentLine, "NAME " + Quote(option.argument) + " differs from CONTAINER " +
				                                         Quote(desc_.containerName));
			desc_.nameSymbol = option.argument;
			return true;
		}
		if (inContainer && option.keyword == "INCLUDE")
		{
			if (!option.HasArgument())
				return in_.Fail(option.line, "INCLUDE needs a description name");
			desc_.includes.push_back(option.argument);
			return true;
		}
		if (inContainer)
		{
			desc_.flags.push_back(option.Written());
			return true;
		}

		GroupDesc& group = desc_.groups[static_cast<std::size_t>(groupIndex)];
		if (option.keyword == "DEFAULT" || option.keyword == "COLUMNS")
		{
			std::int64_t value = 0;
			if (!option.HasArgument() || !ParseIntegerSpelling(option.argument, value) ||
			    value > std::numeric_limits<std::int32_t>::max())
				return in_.Fail(option.line, std::string(option.keyword) + " needs a whole number");
			if (option.keyword == "DEFAULT")
				group.defaultOpen = value != 0;
			else if (value < 1)
				return in_.Fail(option.line, "COLUMNS needs at least 1");
			else
				group.columns = static_cast<int>(value);
			return true;
		}
		if (option.keyword == "PARENTID")
			return ResolveOptionId(option, group.parentId);
		group.flags.push_back(option.Written());
		return true;
	}

	bool ParseGroup(std::int32_t parentId, int depth)
	{
		const Token keyword = in_.Next();
		GroupDesc group;
		group.line = keyword.line;
		group.parentId = parentId;
		std::string what = "'GROUP'";
		if (IsIdToken(in_.Peek()))
		{
			const Token id = in_.Next();
			if (!ResolveId(id, group.id) || !ClaimId(group.id, id))
				return false;
			group.symbol = id.text;
			what = "'GROUP " + group.symbol + "'";
		}
		else
			group.id = nextAnonymousGroupId_--;
		if (!Open(what, depth))
			return false;
		desc_.groups.push_back(std::move(group));
		return ParseBody(what, keyword.line, depth + 1, static_cast<int>(desc_.groups.size() - 1));
	}

	bool ParseElement(ParamType type, std::int32_t groupId, int depth)
	{
		const Token keyword = in_.Next();
		ParamDesc param;
		param.type = type;
		param.line = keyword.line;
		param.groupId = groupId;
		std::string what = Quote(keyword.text);
		if (IsIdToken(in_.Peek()))
		{
			const Token id = in_.Next();
			if (!ResolveId(id, param.id) || !ClaimId(param.id, id))
				return false;
			param.symbol = id.text;
			what = "'" + std::string(keyword.text) + " " + param.symbol + "'";
		}
		else if (type == ParamType::Separator || type == ParamType::StaticText)
			param.hasId = false;
		else if (in_.IsPunct('{'))
			return in_.Fail(keyword.line, Quote(keyword.text) + " needs an id");
		else
			return in_.FailExpected("expected an id after " + what);
		if (!Open(what, depth))
			return false;

		for (;;)
		{
			if (in_.IsPunct('}'))
			{
				in_.Next();
				break;
			}
			const Token& token = in_.Peek();
			if (token.kind == TokenKind::End)
				return FailUnclosed(what, keyword.line);
			if (token.kind != TokenKind::Identifier)
				return in_.FailUnexpected("expected an option of " + what);
			const std::string_view word = token.text;
			const bool opensBlock = in_.IsPunct('{', 1) || (IsIdToken(in_.Peek(1)) && in_.IsPunct('{', 2));
			bool ok = true;
			if (word == "CYCLE" && in_.IsPunct('{', 1))
				ok = ParseCycle(param, what, depth + 1);
			else if (word == "ACCEPT" && in_.IsPunct('{', 1))
				ok = ParseNameList(param.accept, what, depth + 1);
			else if (opensBlock && (word == "GROUP" || FindElementKeyword(word) != nullptr))
				return FailUnclosed(what, keyword.line); // elements do not nest: the '}' is missing
			else if (in_.IsPunct('{', 1))
			{
				// A block option we do not interpret: keep its name, skip its contents.
				param.flags.emplace_back(word);
				in_.Next();
				ok = Open(Quote(word), depth + 1) && SkipBlock(Quote(word), depth + 2);
			}
			else
			{
				Option option;
				ok = ReadOption(option) && ApplyElementOption(option, param);
			}
			if (!ok)
				return false;
		}
		desc_.params.push_back(std::move(param));
		return true;
	}

	bool ApplyElementOption(const Option& option, ParamDesc& param)
	{
		const std::string_view key = option.keyword;
		std::optional<double>* limit = key == "MIN"         ? &param.min
		                               : key == "MAX"       ? &param.max
		                               : key == "STEP"      ? &param.step
		                               : key == "MINSLIDER" ? &param.minSlider
		                               : key == "MAXSLIDER" ? &param.maxSlider
		                                                    : nullptr;
		if (limit != nullptr)
		{
			double value = 0.0;
			const bool negative = !option.argument.empty() && option.argument[0] == '-';
			const bool sign = negative || (!option.argument.empty() && option.argument[0] == '+');
			const std::string_view digits = std::string_view(option.argument).substr(sign ? 1 : 0);
			if (!option.HasArgument() || !ParseRealSpelling(digits, value))
				return in_.Fail(option.HasArgument() ? option.argumentLine : option.line,
				                std::string(key) + " needs a number");
			*limit = negative ? -value : value;
			return true;
		}
		if (key == "MINEX" || key == "MAXEX")
		{
			if (option.HasArgument())
				return in_.Fail(option.argumentLine, std::string(key) + " takes no value");
			(key == "MINEX" ? param.minExclusive : param.maxExclusive) = true;
			return true;
		}
		if (key == "UNIT")
		{
			for (std::string_view unit : kUnits)
				if (option.argument == unit)
				{
					param.unit = option.argument;
					return true;
				}
			return in_.Fail(option.HasArgument() ? option.argumentLine : option.line,
			                option.HasArgument() ? "unknown unit " + Quote(option.argument)
			                                     : std::string("UNIT needs a unit"));
		}
		if (key == "ANIM")
		{
			if (option.argument == "OFF" || option.argument == "ON" || option.argument == "MIX")
			{
				param.animatable = option.argument != "OFF";
				return true;
			}
			return in_.Fail(option.HasArgument() ? option.argumentLine : option.line, "ANIM needs OFF, ON or MIX");
		}
		if (key == "CUSTOMGUI")
		{
			if (!option.HasArgument())
				return in_.Fail(option.line, "CUSTOMGUI needs a name");
			param.customGui = option.argument;
			return true;
		}
		if (key == "PARENTID")
			return ResolveOptionId(option, param.parentId);
		param.flags.push_back(option.Written());
		return true;
	}

	// CYCLE { SYM; SYM~icon; ... }: each symbol needs a value from the header (or the host's table).
	bool ParseCycle(ParamDesc& param, const std::string& owner, int depth)
	{
		const int openLine = in_.Next().line;
		const std::string what = "the CYCLE of " + owner;
		if (!Open(what, depth))
			return false;
		while (!in_.IsPunct('}'))
		{
			const Token& token = in_.Peek();
			if (token.kind == TokenKind::End)
				return FailUnclosed(what, openLine);
			if (token.kind != TokenKind::Identifier)
				return in_.FailUnexpected("expected a cycle symbol in " + owner);
			const Token symbol = in_.Next();
			CycleEntry entry;
			entry.symbol = symbol.text;
			const std::optional<std::int32_t> value = LookUp(symbol.text);
			if (!value)
				return in_.Fail(symbol.line, "cycle symbol " + Quote(symbol.text) + " has no value");
			entry.value = *value;
			if (in_.IsPunct('~'))
			{
				in_.Next();
				const Token& icon = in_.Peek();
				std::int64_t iconId = 0;
				if (icon.kind != TokenKind::Number || !ParseIntegerSpelling(icon.text, iconId) ||
				    iconId > std::numeric_limits<std::int32_t>::max())
					return in_.FailUnexpected("expected an icon id after '" + entry.symbol + "~'");
				in_.Next();
				entry.icon = static_cast<std::int32_t>(iconId);
			}
			if (!in_.Expect(';', Quote(entry.symbol)))
				return false;
			param.cycle.push_back(std::move(entry));
		}
		in_.Next();
		return true;
	}

	// ACCEPT { Obase; 5100; }: names or ids as written.
	bool ParseNameList(std::vector<std::string>& out, const std::string& owner, int depth)
	{
		const Token keyword = in_.Next();
		const std::string what = "the " + std::string(keyword.text) + " of " + owner;
		if (!Open(what, depth))
			return false;
		while (!in_.IsPunct('}'))
		{
			if (in_.Peek().kind == TokenKind::End)
				return FailUnclosed(what, keyword.line);
			if (!IsIdToken(in_.Peek()))
				return in_.FailUnexpected("expected a name or id in " + what);
			const Token name = in_.Next();
			if (!in_.Expect(';', Quote(name.text)))
				return false;
			out.emplace_back(name.text);
		}
		in_.Next();
		return true;
	}

	// Skips the contents of a block whose '{' was consumed at nesting `depth`, up to its '}'.
	bool SkipBlock(const std::string& what, int depth)
	{
		const int openLine = in_.PreviousLine();
		int level = depth;
		while (level >= depth)
		{
			const Token& token = in_.Peek();
			if (token.kind == TokenKind::End)
				return FailUnclosed(what, openLine);
			if (token.kind == TokenKind::Error)
				return in_.Fail(token.line, token.value);
			if (in_.IsPunct('{') && ++level > kMaxResourceNesting)
				return in_.Fail(token.line, "blocks nest deeper than " + std::to_string(kMaxResourceNesting));
			if (in_.IsPunct('}'))
				--level;
			in_.Next();
		}
		return true;
	}

	bool ReadOption(Option& option)
	{
		const Token keyword = in_.Next();
		option.keyword = keyword.text;
		option.line = keyword.line;
		const bool signedNumber =
		    (in_.IsPunct('-') || in_.IsPunct('+')) && in_.Peek(1).kind == TokenKind::Number && in_.IsPunct(';', 2);
		if (signedNumber || (IsIdToken(in_.Peek()) && in_.IsPunct(';', 1)))
		{
			option.argumentLine = in_.Peek().line;
			if (signedNumber)
				option.argument = in_.Next().text;
			option.argument += in_.Next().text;
		}
		return in_.Expect(';', Quote(option.Written()));
	}

	std::optional<std::int32_t> LookUp(std::string_view symbol) const
	{
		const auto found = symbols_.find(symbol);
		if (found != symbols_.end())
			return found->second;
		return FindHostSymbol(symbol);
	}

	bool ResolveId(const Token& token, std::int32_t& id)
	{
		if (token.kind == TokenKind::Number)
		{
			std::int64_t value = 0;
			if (!ParseIntegerSpelling(token.text, value) || value > std::numeric_limits<std::int32_t>::max())
				return in_.Fail(token.line, "bad id " + Describe(token));
			id = static_cast<std::int32_t>(value);
			return true;
		}
		const std::optional<std::int32_t> value = LookUp(token.text);
		if (!value)
			return in_.Fail(token.line, "undefined symbol " + Describe(token));
		id = *value;
		return true;
	}

	bool ResolveOptionId(const Option& option, std::int32_t& id)
	{
		if (!option.HasArgument())
			return in_.Fail(option.line, std::string(option.keyword) + " needs an id");
		Token token;
		token.kind = option.argument[0] >= '0' && option.argument[0] <= '9' ? TokenKind::Number : TokenKind::Identifier;
		token.text = option.argument;
		token.line = option.argumentLine;
		return ResolveId(token, id);
	}

	// Groups and parameters share one id space: the host addresses both by DescID.
	bool ClaimId(std::int32_t id, const Token& token)
	{
		const auto [found, inserted] = usedIds_.emplace(id, UsedId{std::string(token.text), token.line});
		if (inserted)
			return true;
		return in_.Fail(token.line, "id " + std::to_string(id) + " (" + std::string(token.text) +
		                                ") is already used by '" + found->second.symbol + "' on line " +
		                                std::to_string(found->second.line));
	}

	struct UsedId
	{
		std::string symbol;
		int line;
	};

	TokenStream in_;
	std::unordered_map<std::string_view, std::int32_t> symbols_;
	std::unordered_map<std::int32_t, UsedId> usedIds_;
	DescriptionResource desc_;
	std::int32_t nextAnonymousGroupId_ = -1;
};

} // namespace

const char* ParamTypeKeyword(ParamType type)
{
	for (const ElementKeyword& entry : kElementKeywords)
		if (entry.type == type)
			return entry.keyword.data();
	return "LONG";
}

bool ParseDescriptionText(std::string_view text, const std::string& fileName, const SymbolList& symbols,
                          DescriptionResource& out, SourceError& error)
{
	DescriptionParser parser(text, fileName, symbols, error);
	return parser.Parse(out);
}

} // namespace surfax::resources
