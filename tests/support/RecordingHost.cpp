#include "tests/support/RecordingHost.h"

#include <algorithm>
#include <memory>

namespace RecordingHost {
namespace {

constexpr std::byte untouched{0xA5};

std::vector<Call>& calls() {
    static std::vector<Call> recorded;
    return recorded;
}

std::vector<std::unique_ptr<std::byte[]>>& memory() {
    static std::vector<std::unique_ptr<std::byte[]>> blocks;
    return blocks;
}

int Record(Call call) {
    calls().push_back(std::move(call));
    return 1;
}

// A produced value or a state, kept until released.
struct Kept {
    std::unique_ptr<Storage> storage;
    void (*destroy)(void*);
};

std::vector<Kept>& kept() {
    static std::vector<Kept> values;
    return values;
}

// The value size of a result type, registered by a library or one of the
// host's own, and how a value of it is destroyed.
std::size_t ValueSize(const Text& type, DestroyValueCallback& destroy) {
    for (const Call& call : calls()) {
        if (const auto* t = std::get_if<TypeCall>(&call); t && type && t->typeName == *type) {
            destroy = t->destroyValue;
            return t->valueSize;
        }
    }
    return type == "boolean"          ? sizeof(boolean_value)
           : type == "integer"        ? sizeof(integer)
           : type == "floating point" ? sizeof(floating_point)
           : type == "string"         ? sizeof(string_value)
                                      : throw std::invalid_argument("no value size for this type");
}

// One argument as Describe shows it, and a separator.
template <typename Argument>
std::string Shown(const Argument& argument, const void* object) {
    if constexpr (std::is_same_v<Argument, Text>) {
        return argument ? "\"" + *argument + "\", " : "null, ";
    } else if constexpr (std::is_arithmetic_v<Argument>) {
        return std::to_string(argument) + ", ";
    } else if constexpr (std::is_same_v<Argument, const void*>) {
        return argument == object ? "self, " : argument ? "other, " : "null, ";
    } else {
        return argument ? "fn, " : "null, ";
    }
}

void* KeptState(unsigned size, ConstructStateCallback construct, DestroyStateCallback destroy) {
    auto storage = std::make_unique<Storage>(size);
    void* state = construct(storage->Address());
    EXPECT_EQ(state, storage->Address()) << "the state belongs in the storage given";
    kept().push_back({std::move(storage), destroy});
    return state;
}

} // namespace

const std::vector<Call>& Calls() {
    return calls();
}

void Reset() {
    ReleaseValues();
    calls().clear();
    memory().clear();
}

void* ObjectOf(const Call& call) {
    return std::visit([](const auto& c) { return static_cast<void*>(c.object); }, call);
}

std::string Describe(const Call& call) {
    static const char* const functions[] = {"Register_Type",
                                            "Register_Property",
                                            "Register_Iterated_Property",
                                            "Register_Aggregate_Property",
                                            "Register_Binary_Operator",
                                            "Register_Cast"};
    static const char* const removals[] = {"Unregister_Type", "Unregister_Property",
                                           "Unregister_Binary_Operator", "Unregister_Cast"};
    const auto* removal = std::get_if<UnregisterCall>(&call);
    std::string text =
        removal ? removals[static_cast<int>(removal->kind)] : functions[call.index()];
    text += "(";
    std::visit(
        [&](const auto& c) {
            std::apply(
                [&](const auto&... arguments) { ((text += Shown(arguments, c.object)), ...); },
                c.Arguments());
        },
        call);
    return text.substr(0, text.size() - 2 * (text.back() == ' ')) + ")";
}

Storage::Storage(std::size_t size)
    : words(size / sizeof(std::max_align_t) + 1)
    , bytes(reinterpret_cast<std::byte*>(words.data()), size) {
    std::fill(bytes.begin(), bytes.end(), untouched);
}

bool Storage::Untouched() const {
    return std::all_of(bytes.begin(), bytes.end(), [](std::byte b) { return b == untouched; });
}

const void* Produce(const Text& resultType, const std::function<void*(void*)>& callback) {
    DestroyValueCallback destroy = nullptr;
    auto storage = std::make_unique<Storage>(ValueSize(resultType, destroy));
    void* value = nullptr;
    try {
        value = callback(storage->Address());
    } catch (const NoSuchObject&) {
        EXPECT_TRUE(storage->Untouched()) << "written without a value";
        return nullptr;
    } catch (...) {
        EXPECT_TRUE(storage->Untouched()) << "written before failing";
        throw;
    }
    EXPECT_EQ(value, storage->Address()) << "the value belongs in the storage given";
    kept().push_back({std::move(storage), destroy});
    return value;
}

std::vector<const void*> Iterate(const IteratedPropertyCall& call, const void* index,
                                 const void* directObject) {
    void* state = KeptState(call.stateSize, call.constructState, call.destroyState);
    std::vector<const void*> produced;
    for (IterationCallback step = call.first;; step = call.next) {
        const void* value = Produce(call.resultType, [&](void* storage) {
            return step(storage, index, directObject, state, call.registration);
        });
        if (value == nullptr) {
            return produced;
        }
        produced.push_back(value);
    }
}

const void* Aggregate(const AggregatePropertyCall& call, std::span<const void* const> elements,
                      const void* index) {
    void* state = KeptState(call.stateSize, call.constructState, call.destroyState);
    const auto run = [&](AggregateCallback slot, const void* element) {
        return Produce(call.resultType, [&](void* storage) {
            return slot(storage, index, element, state, call.registration);
        });
    };
    EXPECT_EQ(run(call.begin, nullptr), nullptr) << "begin yielded a value";
    for (const void* element : elements) {
        EXPECT_EQ(run(call.add, element), nullptr) << "add yielded a value";
    }
    return run(call.finish, nullptr);
}

void ReleaseValues() {
    for (auto& values = kept(); !values.empty(); values.pop_back()) {
        if (values.back().destroy != nullptr) {
            values.back().destroy(values.back().storage->Address());
        }
    }
}

string_value StringValue(std::string_view text) {
    return string_value{text.data(), static_cast<std::uint32_t>(text.size())};
}

std::string_view View(const string_value& text) {
    return text.length == 0 ? std::string_view() : std::string_view(text.start, text.length);
}

} // namespace RecordingHost

using namespace RecordingHost;

extern "C" {

int Register_Type(void* object, unsigned hostAreaSize, const char* typeName, unsigned valueSize,
                  DestroyValueCallback destroyValue, const char* baseTypeName,
                  const void* reserved) {
    return Record(
        TypeCall{object, hostAreaSize, typeName, valueSize, destroyValue, baseTypeName, reserved});
}

int Register_Property(void* object, unsigned hostAreaSize, const char* name, const char* pluralName,
                      const char* indexType, const char* directObjectType, const char* resultType,
                      PropertyCallback evaluate, const void* registration, HookCallback hook) {
    return Record(PropertyCall{object, hostAreaSize, name, pluralName, indexType, directObjectType,
                               resultType, evaluate, registration, hook});
}

int Register_Iterated_Property(void* object, unsigned hostAreaSize, const char* name,
                               const char* pluralName, const char* indexType,
                               const char* directObjectType, const char* resultType,
                               unsigned stateSize, ConstructStateCallback constructState,
                               DestroyStateCallback destroyState, IterationCallback first,
                               IterationCallback next, const void* registration,
                               HookCallback hook) {
    return Record(IteratedPropertyCall{object, hostAreaSize, name, pluralName, indexType,
                                       directObjectType, resultType, stateSize, constructState,
                                       destroyState, first, next, registration, hook});
}

int Register_Aggregate_Property(void* object, unsigned hostAreaSize, const char* name,
                                const char* pluralName, const char* indexType,
                                const char* elementType, const char* resultType, unsigned stateSize,
                                ConstructStateCallback constructState,
                                DestroyStateCallback destroyState, AggregateCallback begin,
                                AggregateCallback beginAlt, AggregateCallback add,
                                AggregateCallback addAlt, AggregateCallback finish,
                                AggregateCallback finishAlt, const void* registration,
                                HookCallback hook) {
    return Record(AggregatePropertyCall{object, hostAreaSize, name, pluralName, indexType,
                                        elementType, resultType, stateSize, constructState,
                                        destroyState, begin, beginAlt, add, addAlt, finish,
                                        finishAlt, registration, hook});
}

int Register_Binary_Operator(void* object, unsigned hostAreaSize, int operatorCode,
                             const char* leftType, const char* rightType, const char* resultType,
                             BinaryOperatorCallback evaluate, const void* registration,
                             HookCallback hook) {
    return Record(BinaryOperatorCall{object, hostAreaSize, operatorCode, leftType, rightType,
                                     resultType, evaluate, registration, hook});
}

int Register_Cast(void* object, unsigned hostAreaSize, const char* castName, const char* sourceType,
                  const char* targetType, CastCallback evaluate, const void* registration,
                  HookCallback hook) {
    return Record(CastCall{object, hostAreaSize, castName, sourceType, targetType, evaluate,
                           registration, hook});
}

int Unregister_Type(void* object) {
    return Record(UnregisterCall{Removal::Type, object});
}
int Unregister_Property(void* object) {
    return Record(UnregisterCall{Removal::Property, object});
}
int Unregister_Binary_Operator(void* object) {
    return Record(UnregisterCall{Removal::BinaryOperator, object});
}
int Unregister_Cast(void* object) {
    return Record(UnregisterCall{Removal::Cast, object});
}

void* Allocate_Inspector_Memory(unsigned size) {
    memory().push_back(std::make_unique<std::byte[]>(std::max(size, 1u)));
    return memory().back().get();
}

} // extern "C"
