#include "tests/support/RecordingHost.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace RecordingHost {
namespace {

std::vector<Call>& calls() {
    static std::vector<Call> recorded;
    return recorded;
}

std::vector<std::unique_ptr<std::byte[]>>& memory() {
    static std::vector<std::unique_ptr<std::byte[]>> blocks;
    return blocks;
}

Text TextOf(const char* text) {
    return text == nullptr ? Text() : Text(text);
}

int Record(Call call) {
    calls().push_back(std::move(call));
    return 1;
}

// A produced value or an aggregate's state, kept until released.
struct Kept {
    std::unique_ptr<Storage> storage;
    DestroyValueCallback destroy;
};

std::vector<Kept>& values() {
    static std::vector<Kept> kept;
    return kept;
}

// One argument as Describe shows it.
std::string Shown(const Text& text, const void*) {
    return text ? "\"" + *text + "\"" : "null";
}
std::string Shown(unsigned number, const void*) {
    return std::to_string(number);
}
std::string Shown(int number, const void*) {
    return std::to_string(number);
}
template <typename Result, typename... Arguments>
std::string Shown(Result (*function)(Arguments...), const void*) {
    return function != nullptr ? "fn" : "null";
}
std::string Shown(const void* registration, const void* object) {
    return registration == object ? "self" : registration == nullptr ? "null" : "other";
}

template <typename Kind>
std::string FunctionOf(const Kind&) {
    return Kind::function;
}
std::string FunctionOf(const UnregisterCall& call) {
    static const char* const functions[] = {"Unregister_Type", "Unregister_Property",
                                            "Unregister_Binary_Operator", "Unregister_Cast"};
    return functions[static_cast<int>(call.kind)];
}

// The name and operand types of a registration, as texts.
template <typename Kind>
std::vector<Text> KeyOf(const Kind& call) {
    return std::apply(
        [](const auto& name, const auto&... types) {
            if constexpr (std::is_same_v<std::decay_t<decltype(name)>, int>) {
                return std::vector<Text>{std::to_string(name), types...};
            } else {
                return std::vector<Text>{name, types...};
            }
        },
        call.Key());
}

// The value size of a result type: registered by a library, or one of the
// host's own types.
std::size_t ValueSize(std::string_view type, DestroyValueCallback& destroy) {
    for (const Call& call : calls()) {
        if (const auto* t = std::get_if<TypeCall>(&call); t && t->typeName == type) {
            destroy = t->destroyValue;
            return t->valueSize;
        }
    }
    const std::pair<std::string_view, std::size_t> own[] = {
        {"boolean", sizeof(boolean_value)},
        {"integer", sizeof(integer)},
        {"floating point", sizeof(floating_point)},
        {"string", sizeof(string_value)}};
    for (const auto& [name, size] : own) {
        if (name == type) {
            return size;
        }
    }
    return 0;
}

// The state of one evaluation of an iterated property or aggregate, in host
// storage, constructed and destroyed as the host does.
class EvaluationState {
public:
    EvaluationState(unsigned size, ConstructStateCallback construct, DestroyStateCallback destroy)
        : storage(size)
        , destroy(destroy)
        , state(construct(storage.Address())) {
        EXPECT_EQ(state, storage.Address()) << "the state belongs in the storage given";
    }
    ~EvaluationState() { destroy(state); }

    EvaluationState(const EvaluationState&) = delete;
    EvaluationState& operator=(const EvaluationState&) = delete;

    void* Address() const { return state; }

private:
    Storage storage;
    DestroyStateCallback destroy;
    void* state;
};

} // namespace

std::string Describe(const Call& call) {
    return std::visit(
        [](const auto& c) {
            std::string text;
            std::apply(
                [&](const auto&... arguments) {
                    ((text += (text.empty() ? "" : ", ") + Shown(arguments, c.object)), ...);
                },
                c.Arguments());
            return FunctionOf(c) + ("(" + text) + ")";
        },
        call);
}

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

std::vector<Call> Registrations() {
    std::vector<Call> result;
    std::copy_if(calls().begin(), calls().end(), std::back_inserter(result),
                 [](const Call& c) { return !std::holds_alternative<UnregisterCall>(c); });
    return result;
}

std::vector<UnregisterCall> Removals() {
    std::vector<UnregisterCall> result;
    for (const Call& call : calls()) {
        if (const auto* removal = std::get_if<UnregisterCall>(&call)) {
            result.push_back(*removal);
        }
    }
    return result;
}

Storage::Storage(std::size_t size)
    : words(std::max<std::size_t>(1,
                                  (size + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t)))
    , bytes(reinterpret_cast<std::byte*>(words.data()), size) {
    std::fill(bytes.begin(), bytes.end(), untouched);
}

bool Storage::Untouched() const {
    return std::all_of(bytes.begin(), bytes.end(), [](std::byte b) { return b == untouched; });
}

bool Matches(const Call& call, std::string_view name, std::span<const std::string_view> types) {
    const std::vector<Text> key = std::visit([](const auto& c) { return KeyOf(c); }, call);
    return types.size() < key.size() && key[0] == name &&
           std::equal(types.begin(), types.end(), key.begin() + 1,
                      [](std::string_view wanted, const Text& type) { return type == wanted; });
}

const void* Produce(const ResultKind& kind, const std::function<void*(void*)>& callback) {
    DestroyValueCallback destroy = kind.destroy;
    const std::size_t size = std::max(ValueSize(kind.type, destroy), kind.size);
    if (size == 0) {
        throw std::invalid_argument("the size of a \"" + std::string(kind.type) +
                                    "\" value is unknown: name its C++ type");
    }
    auto storage = std::make_unique<Storage>(size);
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
    values().push_back({std::move(storage), destroy});
    return value;
}

std::vector<const void*> IterateAll(const IteratedPropertyCall& call, const ResultKind& kind,
                                    const void* index, const void* directObject) {
    EvaluationState state(call.stateSize, call.constructState, call.destroyState);
    std::vector<const void*> produced;
    for (IterationCallback step = call.first;; step = call.next) {
        const void* value = Produce(kind, [&](void* storage) {
            return step(storage, index, directObject, state.Address(), call.registration);
        });
        if (value == nullptr) {
            return produced;
        }
        produced.push_back(value);
    }
}

// As in the host, the state lives as long as the values: a result may view
// its state.
const void* Aggregate(const AggregatePropertyCall& call, const ResultKind& kind,
                      std::span<const void* const> elements, const void* index) {
    auto storage = std::make_unique<Storage>(call.stateSize);
    void* state = call.constructState(storage->Address());
    EXPECT_EQ(state, storage->Address()) << "the state belongs in the storage given";
    values().push_back({std::move(storage), call.destroyState});
    const auto run = [&](AggregateCallback slot, const void* element) {
        return Produce(kind, [&](void* storage) {
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
    for (auto& kept = values(); !kept.empty(); kept.pop_back()) {
        if (kept.back().destroy != nullptr) {
            kept.back().destroy(kept.back().storage->Address());
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
    return Record(TypeCall{object, hostAreaSize, TextOf(typeName), valueSize, destroyValue,
                           TextOf(baseTypeName), reserved});
}

int Register_Property(void* object, unsigned hostAreaSize, const char* name, const char* pluralName,
                      const char* indexType, const char* directObjectType, const char* resultType,
                      PropertyCallback evaluate, const void* registration, HookCallback hook) {
    return Record(PropertyCall{object, hostAreaSize, TextOf(name), TextOf(pluralName),
                               TextOf(indexType), TextOf(directObjectType), TextOf(resultType),
                               evaluate, registration, hook});
}

int Register_Iterated_Property(void* object, unsigned hostAreaSize, const char* name,
                               const char* pluralName, const char* indexType,
                               const char* directObjectType, const char* resultType,
                               unsigned stateSize, ConstructStateCallback constructState,
                               DestroyStateCallback destroyState, IterationCallback first,
                               IterationCallback next, const void* registration,
                               HookCallback hook) {
    return Record(IteratedPropertyCall{object, hostAreaSize, TextOf(name), TextOf(pluralName),
                                       TextOf(indexType), TextOf(directObjectType),
                                       TextOf(resultType), stateSize, constructState, destroyState,
                                       first, next, registration, hook});
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
    return Record(AggregatePropertyCall{object, hostAreaSize, TextOf(name), TextOf(pluralName),
                                        TextOf(indexType), TextOf(elementType), TextOf(resultType),
                                        stateSize, constructState, destroyState, begin, beginAlt,
                                        add, addAlt, finish, finishAlt, registration, hook});
}

int Register_Binary_Operator(void* object, unsigned hostAreaSize, int operatorCode,
                             const char* leftType, const char* rightType, const char* resultType,
                             BinaryOperatorCallback evaluate, const void* registration,
                             HookCallback hook) {
    return Record(BinaryOperatorCall{object, hostAreaSize, operatorCode, TextOf(leftType),
                                     TextOf(rightType), TextOf(resultType), evaluate, registration,
                                     hook});
}

int Register_Cast(void* object, unsigned hostAreaSize, const char* castName, const char* sourceType,
                  const char* targetType, CastCallback evaluate, const void* registration,
                  HookCallback hook) {
    return Record(CastCall{object, hostAreaSize, TextOf(castName), TextOf(sourceType),
                           TextOf(targetType), evaluate, registration, hook});
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
