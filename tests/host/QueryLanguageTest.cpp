// The query language over the host's own vocabulary: what queries evaluate
// to, and how bad queries are refused.
#include "frame/VeritorInterface.h"
#include "host/Veritor.h"

#include <cctype>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

using veritor::ErrorKind;
using veritor::QueryError;

// A case's name after its query: its index, then the query's words with the
// operators spelled out, e.g. 6_1_plus_2_times_3.
struct NamedAfterQuery {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        static const std::map<char, const char*> spelled = {
            {'+', "plus"}, {'-', "minus"}, {'*', "times"}, {'/', "over"}, {'=', "is"},
            {'<', "lt"},   {'>', "gt"},    {'&', "and"},   {';', "then"}, {',', "with"},
            {'\\', "esc"}, {'#', "hash"},  {'(', "open"},  {')', "close"}};
        std::string name = std::to_string(info.index);
        bool apart = true;
        for (const unsigned char c : std::string_view(info.param.query)) {
            const auto word = spelled.find(static_cast<char>(c));
            if (std::isalnum(c)) {
                name.append(apart ? "_" : "").push_back(static_cast<char>(c));
            } else if (word != spelled.end()) {
                name.append("_").append(word->second);
            }
            apart = !std::isalnum(c);
        }
        return name;
    }
};

std::vector<std::string> Texts(const veritor::Result& result) {
    std::vector<std::string> texts;
    for (const auto& value : result.values) {
        texts.push_back(veritor::RenderText(value));
    }
    return texts;
}

struct Evaluates {
    const char* query;
    std::vector<std::string> values;
    const char* type;
};

class QueryEvaluates : public testing::TestWithParam<Evaluates> {};

TEST_P(QueryEvaluates, ToTheseValuesOfThisType) {
    const Evaluates& c = GetParam();
    veritor::Result result = veritor::Run(c.query);
    EXPECT_EQ(Texts(result), c.values);
    EXPECT_EQ(result.type, c.type);
}

INSTANTIATE_TEST_SUITE_P(
    HostVocabulary, QueryEvaluates,
    testing::Values(
        // Literals and escapes.
        Evaluates{R"("a\"b\\c")", {"a\"b\\c"}, "string"},
        Evaluates{R"("\x41\x7a\t")", {"Az\t"}, "string"},
        Evaluates{R"(length of "a\0b")", {"3"}, "integer"},
        Evaluates{"-9223372036854775808", {"-9223372036854775808"}, "integer"},
        Evaluates{"1e-3", {"0.001"}, "floating point"},
        // Precedence: * before +, + before comparison, comparison before and.
        Evaluates{"1 + 2 * 3", {"7"}, "integer"}, Evaluates{"(1 + 2) * 3", {"9"}, "integer"},
        Evaluates{"10 - 4 - 3", {"3"}, "integer"},
        Evaluates{"1 + 1 = 2 and 3 < 4", {"true"}, "boolean"},
        Evaluates{"false or true and false", {"false"}, "boolean"},
        Evaluates{"not (1 = 2)", {"true"}, "boolean"}, Evaluates{"- 7 mod 3", {"-1"}, "integer"},
        Evaluates{"- (2 - 5)", {"3"}, "integer"},
        // Strings.
        Evaluates{R"("a" & "b" & "c")", {"abc"}, "string"},
        Evaluates{R"("abc" contains "bc")", {"true"}, "boolean"},
        Evaluates{R"("b" < "ab")", {"false"}, "boolean"},
        Evaluates{R"("\xff" > "a")", {"true"}, "boolean"},
        // Casts, also over plurals.
        Evaluates{"12 as string & \"!\"", {"12!"}, "string"},
        Evaluates{R"(("7"; "x"; "-3") as integer)", {"7", "-3"}, "integer"},
        Evaluates{R"("2.5" as floating point)", {"2.5"}, "floating point"},
        Evaluates{"3 as floating point / 2.0", {"1.5"}, "floating point"},
        Evaluates{"true as string", {"true"}, "string"},
        // Plurals, properties and counting.

        Evaluates{"((1; 2); (); 3)", {"1", "2", "3"}, "integer"},
        Evaluates{R"(lengths of ("a"; "bcd"))", {"1", "3"}, "integer"},
        Evaluates{R"(lengths of "ab")", {"2"}, "integer"},
        // A name with its own index may stand as an index.
        Evaluates{R"(length of decoded decoded "ab")", {"2"}, "integer"},
        Evaluates{"number of (1; 2; 3)", {"3"}, "integer"},
        Evaluates{"number of ()", {"0"}, "integer"},
        Evaluates{"number of (\"x\" as integer)", {"0"}, "integer"},
        Evaluates{"exists (1 / 0)", {"false"}, "boolean"},
        Evaluates{"exists (1; 2)", {"true"}, "boolean"}, Evaluates{"()", {}, "()"},
        // Aggregates: left to right, of integers, floating points and strings.
        Evaluates{"sum of (1; -2; 3)", {"2"}, "integer"},
        Evaluates{"sum of (9223372036854775807; -1; 1)", {"9223372036854775807"}, "integer"},
        Evaluates{"sum of (0.1; 0.2; 3 as floating point)", {"3.3"}, "floating point"},
        Evaluates{"sum of (3.0; 0.1; 0.2)", {"3.3000000000000003"}, "floating point"},
        Evaluates{"minimum of (3; -2; 5)", {"-2"}, "integer"},
        Evaluates{"maximum of (3; -2; 5)", {"5"}, "integer"},
        Evaluates{"minimum of (1.0; 0.0 / 0.0; -1.0)", {"nan"}, "floating point"},
        Evaluates{R"(minimum of ("b"; "ab"; "\xff"))", {"ab"}, "string"},
        Evaluates{R"(maximum of ("b"; "ab"; "\xff"))", {"\xff"}, "string"},

        // Tuples.
        Evaluates{R"((1, "a", true))", {"1, a, true"}, "( integer, string, boolean )"},
        Evaluates{R"((1, ("a", 2.5)))", {"1, a, 2.5"}, "( integer, ( string, floating point ) )"},
        Evaluates{"(1, 2); (3, 4)", {"1, 2", "3, 4"}, "( integer, integer )"},
        // Doubles print as the shortest text that reads back.
        Evaluates{"0.1 + 0.2", {"0.30000000000000004"}, "floating point"},
        Evaluates{"1.0 / 0.0", {"inf"}, "floating point"},
        Evaluates{"-1.0 / 0.0", {"-inf"}, "floating point"},
        Evaluates{"0.0 / 0.0", {"nan"}, "floating point"}),
    NamedAfterQuery());

struct Fails {
    const char* query;
    ErrorKind kind;
    std::size_t position;
};

class QueryFails : public testing::TestWithParam<Fails> {};

TEST_P(QueryFails, WithThisKindOfErrorAtThisPlace) {
    const Fails& c = GetParam();
    try {
        veritor::Run(c.query);
        FAIL() << "no error for " << c.query;
    } catch (const QueryError& error) {
        EXPECT_EQ(error.Kind(), c.kind) << c.query << ": " << error.what();
        EXPECT_EQ(error.Position(), c.position) << c.query << ": " << error.what();
    }
}

constexpr std::size_t nowhere = QueryError::noPosition;

INSTANTIATE_TEST_SUITE_P(
    BadQueries, QueryFails,
    testing::Values(
        // Lexical errors.
        Fails{"\"abc", ErrorKind::Syntax, 0}, Fails{R"("a\q")", ErrorKind::Syntax, 2},
        Fails{R"("\x4")", ErrorKind::Syntax, 1}, Fails{"1 # 2", ErrorKind::Syntax, 2},
        Fails{"1 + \xC3\xA9", ErrorKind::Syntax, 4},
        Fails{"9223372036854775808", ErrorKind::Syntax, 0},
        Fails{"decoded decoded of \"a\"", ErrorKind::Type, 8},
        Fails{"1e400", ErrorKind::Syntax, 0}, Fails{"12ab", ErrorKind::Syntax, 0},
        // Grammar.
        Fails{"", ErrorKind::Syntax, 0}, Fails{"1 +", ErrorKind::Syntax, 3},
        Fails{"(1; 2", ErrorKind::Syntax, 5}, Fails{"1 2", ErrorKind::Syntax, 2},
        Fails{"1 < 2 < 3", ErrorKind::Syntax, 6}, Fails{"nosuch of 1", ErrorKind::Syntax, 0},
        Fails{"1 as nosuch", ErrorKind::Syntax, 5}, Fails{"of 1", ErrorKind::Syntax, 0},
        // Types.
        Fails{"1 + \"a\"", ErrorKind::Type, 2}, Fails{"not 1", ErrorKind::Type, 4},
        // Each step of a chain is typed on its own and refused where it stands.
        Fails{"1 + 2 - 3.5", ErrorKind::Type, 6}, Fails{"\"a\" & \"b\" & 1", ErrorKind::Type, 10},
        Fails{"not 1 = 2", ErrorKind::Type, 4}, Fails{"-\"a\"", ErrorKind::Type, 0},
        Fails{"(1; \"a\")", ErrorKind::Type, 4},
        Fails{"length of (\"a\"; \"b\")", ErrorKind::Type, 0},
        Fails{"length of 3", ErrorKind::Type, 0}, Fails{"(1; 2) + 1", ErrorKind::Type, 1},
        Fails{"(1, (2; 3))", ErrorKind::Type, 5}, Fails{"true as integer", ErrorKind::Type, 5},
        Fails{"length", ErrorKind::Type, 0},
        // No value.
        Fails{"1 / 0", ErrorKind::NoValue, nowhere}, Fails{"5 mod 0", ErrorKind::NoValue, nowhere},
        Fails{"-9223372036854775807 - 2", ErrorKind::NoValue, nowhere},
        Fails{"3037000500 * 3037000500", ErrorKind::NoValue, nowhere},
        Fails{"-9223372036854775808 / -1", ErrorKind::NoValue, nowhere},
        Fails{"- (-9223372036854775808)", ErrorKind::NoValue, nowhere},
        Fails{"\"1x\" as integer", ErrorKind::NoValue, nowhere},
        Fails{"(1 / 0, 2)", ErrorKind::NoValue, nowhere},
        Fails{"sum of (9223372036854775807; 1; -1)", ErrorKind::NoValue, nowhere},
        Fails{"sum of (\"x\" as integer)", ErrorKind::NoValue, nowhere},
        Fails{"maximum of (\"x\" as floating point)", ErrorKind::NoValue, nowhere},
        Fails{"sum of (\"a\"; \"b\")", ErrorKind::Type, 0}),
    NamedAfterQuery());

struct Refused {
    const char* query;
    const char* message;
};

class UnknownName : public testing::TestWithParam<Refused> {};

TEST_P(UnknownName, IsRefusedWithTheClosestNameIfOneIsClose) {
    const Refused& c = GetParam();
    try {
        veritor::Run(c.query);
        FAIL() << "no error for " << c.query;
    } catch (const QueryError& error) {
        EXPECT_STREQ(error.what(), c.message);
    }
}

// A suggestion is at most a third of the written length away, counting a
// swap of neighbours as one edit.
INSTANTIATE_TEST_SUITE_P(
    HostVocabulary, UnknownName,
    testing::Values(
        Refused{"lenght of \"a\"", "unknown name \"lenght\"; did you mean \"length\"?"},
        Refused{"lxngxh of \"a\"", "unknown name \"lxngxh\"; did you mean \"length\"?"},
        Refused{"lxxgxh of \"a\"", "unknown name \"lxxgxh\""},
        Refused{"ture", "unknown name \"ture\"; did you mean \"true\"?"},
        Refused{"\"1\" as intger", "unknown cast \"intger\"; did you mean \"integer\"?"},
        Refused{"\"1\" as floating piont",
                "unknown cast \"floating piont\"; did you mean \"floating point\"?"},
        // Names are lower case: the same words in lower case come first.
        Refused{"LENGTH OF \"a\"", "unknown name \"LENGTH\"; did you mean \"length\"?"},
        Refused{"Number OF (1; 2)", "unknown name \"Number OF\"; did you mean \"number of\"?"},
        Refused{"\"1\" as Floating Point",
                "unknown cast \"Floating Point\"; did you mean \"floating point\"?"},
        Refused{"1 = 1 AND TRUE", "unexpected \"AND\"; did you mean \"and\"?"}));

// Plural properties and casts have as many values as their operand; lists
// add up their parts, nested ones too.
TEST(ValueLimit, EndsTheEvaluationOfAnExpressionWithTooManyValues) {
    struct Case {
        const char* query;
        std::size_t maxValues;
        bool refused;
    };
    for (const Case& c :
         {Case{"(1; 2; 3)", 3, false}, Case{"(1; 2; 3)", 2, true},
          Case{"number of ((1; 2); (3; 4))", 3, true}, Case{"((1; 2) as string; \"x\")", 2, true},
          Case{"lengths of (\"a\"; \"bc\")", 2, false}}) {
        try {
            veritor::Run(c.query, veritor::Limits{c.maxValues});
            EXPECT_FALSE(c.refused) << c.query;
        } catch (const QueryError& error) {
            EXPECT_TRUE(c.refused) << c.query << ": " << error.what();
            EXPECT_EQ(error.Kind(), ErrorKind::Evaluation);
            EXPECT_EQ(error.what(), "too many values: more than " + std::to_string(c.maxValues) +
                                        " in one expression");
        }
    }
}

std::string Repeated(std::string_view text, std::string_view separator, int times) {
    std::string all(text);
    for (int i = 1; i < times; ++i) {
        all.append(separator).append(text);
    }
    return all;
}

// A chain of one level's operators, however long, is evaluated from the left
// one step at a time, each step raising its own overflow; lists take as many
// parts. Far more than the nesting limit, and deeper than a recursive
// evaluation's stack would be.
TEST(LongChains, EvaluateFromTheLeft) {
    struct Case {
        std::string query;
        std::string value; // empty: no value
    };
    const int n = 100000;
    for (const Case& c : {
             Case{Repeated("1", " + ", n), "100000"},
             Case{"(" + Repeated("10", " - ", n) + ") / 5 mod 7", "-6"},
             Case{"length of (" + Repeated(R"("ab")", " & ", n) + " & 1 as string)", "200001"},
             Case{Repeated("true", " and ", n) + " and false or true", "true"},
             Case{"number of (" + Repeated("1", "; ", n) + ")", "100000"},
             Case{Repeated("2", " * ", 64), ""},
             Case{Repeated(R"("a")", " & ", 3) + R"( & ("x" as integer) as string)", ""},
         }) {
        try {
            EXPECT_EQ(Texts(veritor::Run(c.query)), std::vector<std::string>{c.value})
                << c.query.substr(0, 40);
        } catch (const QueryError& error) {
            EXPECT_TRUE(c.value.empty() && error.Kind() == ErrorKind::NoValue)
                << c.query.substr(0, 40) << ": " << error.what();
        }
    }
}

// 100,000 levels of parentheses, of negations and of casts are refused
// instead of exhausting the stack; 255 levels are fine.
TEST(QueryNesting, IsBoundedInsteadOfExhaustingTheStack) {
    std::string parentheses(100000, '('), casts = "1", negations;
    for (int i = 0; i < 100000; ++i) {
        casts += " as string";
        negations += "not ";
    }
    for (const std::string& deep :
         {parentheses + "1" + std::string(100000, ')'), casts, negations + "true"}) {
        EXPECT_THROW(veritor::Run(deep), QueryError);
    }
    EXPECT_EQ(Texts(veritor::Run(std::string(255, '(') + "1" + std::string(255, ')'))),
              std::vector<std::string>{"1"});
}

TEST(QueryCompilation, ReportsTypeAndPluralityBeforeEvaluating) {
    veritor::Query query = veritor::Compile("(1; 2) as string");
    EXPECT_EQ(query.Type(), "string");
    EXPECT_TRUE(query.Plural());
    // Compiling never evaluates: a query that has no value still compiles.
    EXPECT_FALSE(veritor::Compile("1 / 0").Plural());
}

TEST(FloatingPointResults, CarryTheFlagsTheirOperationsRaised) {
    struct Case {
        const char* query;
        std::uint32_t flags;
    };
    for (const Case& c :
         {Case{"1.0 + 2.0", 0}, Case{"1.0 / 3.0", FloatingPointInexact},
          Case{"1.0 / 0.0", FloatingPointDivisionByZero}, Case{"0.0 / 0.0", FloatingPointInvalid},
          Case{"1e308 * 10.0", FloatingPointOverflow | FloatingPointInexact},
          // Flags of the operands are kept.
          Case{"(1.0 / 0.0) - 1.0", FloatingPointDivisionByZero},
          // A sum has the flags of its additions and of its elements; an
          // extreme those of the element it is.
          Case{"sum of (0.1; 0.2)", FloatingPointInexact},
          Case{"sum of (1.0 / 0.0; 1.0)", FloatingPointDivisionByZero},
          Case{"maximum of (1.0 / 3.0; 2.0)", 0},
          Case{"minimum of (1.0 / 3.0; 2.0)", FloatingPointInexact}}) {
        veritor::Result result = veritor::Run(c.query);
        ASSERT_EQ(result.values.size(), 1u);
        EXPECT_EQ(result.values[0].floatingPoint.flags, c.flags) << c.query;
    }
}

} // namespace
