// The Veritor host evaluator for embedding and tests: load inspector
// libraries, compile queries, evaluate them and read typed results, list the
// vocabulary.
//
// The vocabulary is process-wide: inspector libraries register into it while
// they load, whichever object loaded them. Compiled queries hold the
// callbacks of the libraries they use, so a query must not outlive a library
// whose vocabulary it uses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// On Windows, veritor.dll exports this interface and whatever uses it imports
// it; a shared library elsewhere makes it visible as it is.
#if defined(_WIN32)
#if defined(VERITOR_BUILDING_HOST)
#define VERITOR_API __declspec(dllexport)
#else
#define VERITOR_API __declspec(dllimport)
#endif
#else
#define VERITOR_API
#endif

namespace veritor {

enum class ErrorKind { Syntax, Type, NoValue, Evaluation };

// "syntax", "type", "no value" or "evaluation".
VERITOR_API const char* ErrorKindName(ErrorKind kind);

// A query that failed to compile or to evaluate. Syntax and type errors carry
// the byte offset in the query text where the problem lies.
class QueryError : public std::runtime_error {
public:
    static constexpr std::size_t noPosition = static_cast<std::size_t>(-1);

    QueryError(ErrorKind kind, const std::string& message, std::size_t position = noPosition)
        : std::runtime_error(message)
        , kind(kind)
        , position(position) {}

    ErrorKind Kind() const { return kind; }
    std::size_t Position() const { return position; }

private:
    ErrorKind kind;
    std::size_t position;
};

// An inspector library that could not be loaded.
class LoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct FloatingPoint {
    double number = 0.0;
    double second = 0.0;
    std::uint32_t flags = 0;
};

// One evaluated value, owned: a value of a library type holds its rendered
// text, since the library's own representation does not outlive the
// evaluation.
struct Value {
    enum class Kind { Boolean, Integer, FloatingPoint, String, Tuple, Library };

    std::string type;
    Kind kind = Kind::String;
    bool boolean = false;
    std::int64_t integer = 0;
    FloatingPoint floatingPoint;
    std::string text; // bytes of a string, rendered text of a library value
    std::vector<Value> components;
};

struct Result {
    std::string type;
    bool plural = false;
    std::vector<Value> values;
};

// The text a value is shown as: a string as its bytes, "true"/"false",
// decimal integers, the shortest round-trip text of a double, tuples joined
// by ", ", library values as rendered at evaluation.
VERITOR_API std::string RenderText(const Value& value);

// The shortest text that reads back to the same double; "nan", "inf", "-inf".
VERITOR_API std::string FormatDouble(double number);

// Names of the status flags set in `flags`, in the order inexact, underflow,
// overflow, division by zero, invalid.
VERITOR_API std::vector<std::string> FlagNames(std::uint32_t flags);

struct VocabularyEntry {
    std::string kind; // "type", "property", "iterated property", "aggregate", "operator", "cast"
    std::string name;
    std::string pluralName;
    std::string indexType;
    std::string operandType; // direct object, element, left operand or cast source
    std::string rightType;   // operators only
    std::string resultType;  // cast target; base type of a type
    int operatorCode = 0;
    std::string library; // "host" or the file name of the inspector library
};

// Registrations in the order they were made.
VERITOR_API std::vector<VocabularyEntry> Vocabulary();

// Names and plural names of properties, aggregates and casts (for
// completion), sorted and unique.
VERITOR_API std::vector<std::string> VocabularyNames();

// Bounds on one evaluation, so that a query cannot exhaust the process.
struct Limits {
    // Values that one expression may produce: a plural counts all of its
    // values, those of its parts and those of the iterated properties in it.
    // More ends the evaluation with an error of kind Evaluation.
    std::size_t maxValues = 10'000'000;

    // Bytes that "file" reads from one file or from standard input; a larger
    // file is an evaluation error. A string holds at most maxFileBytesCap
    // bytes, so a larger limit counts as that.
    static constexpr std::uint64_t maxFileBytesCap = 0xFFFF'FFFF;
    std::uint64_t maxFileBytes = std::uint64_t{1} << 30;
};

// Registers the host's file vocabulary ("file" / "files" of a string: the
// bytes of the named file, "-" for standard input) or removes it again. It
// is off until enabled, so that an embedder that evaluates queries from
// untrusted users exposes no file system. A query that uses it must not
// outlive turning it off.
VERITOR_API void EnableFiles(bool enabled);

// Keeps "file" away from standard input, for a program that reads it
// itself: `file "-"` then fails with an evaluation error that gives
// `reason`. An empty reason lets "file" read it again.
VERITOR_API void ReserveStandardInput(const std::string& reason);

// Whether a query has tried to read standard input since it was last
// reserved.
VERITOR_API bool StandardInputRefused();

namespace detail {
struct CompiledQuery;
}

class VERITOR_API Query {
public:
    Query(Query&&) noexcept;
    Query& operator=(Query&&) noexcept;
    ~Query();

    const std::string& Text() const;
    const std::string& Type() const;
    bool Plural() const;
    // Where the query gives "file" standard input by name, `file "-"`, as a
    // byte offset in its text; QueryError::noPosition when it does not, or
    // only through a name computed at evaluation.
    std::size_t StandardInputAt() const;

private:
    friend Query Compile(std::string_view text);
    friend Result Evaluate(const Query& query, const Limits& limits);
    explicit Query(std::unique_ptr<detail::CompiledQuery> compiled);
    std::unique_ptr<detail::CompiledQuery> compiled;
};

// Throws QueryError of kind Syntax or Type; evaluates nothing.
VERITOR_API Query Compile(std::string_view text);

// Evaluates on the calling thread. Throws QueryError of kind NoValue when a
// singular query has no value, Evaluation when a callback failed or a limit
// was exceeded.
VERITOR_API Result Evaluate(const Query& query, const Limits& limits = {});

// Compile and Evaluate.
VERITOR_API Result Run(std::string_view text, const Limits& limits = {});

// What unloading an inspector library found.
struct UnloadReport {
    std::vector<VocabularyEntry> leftovers; // registrations it did not remove
    bool stillLoaded = false;               // the loader kept the file mapped
};

// A loaded inspector library. Its registrations are made while loading.
class VERITOR_API Plugin {
public:
    // Throws LoadError, also for a library that registers nothing.
    explicit Plugin(const std::string& path);
    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;
    ~Plugin();

    // Unloads and removes whatever registrations it left behind. A second
    // call does nothing.
    UnloadReport Unload();

    const std::string& Path() const { return path; }

private:
    std::string path;
    std::string loadedName;
    void* handle = nullptr;
};

} // namespace veritor
