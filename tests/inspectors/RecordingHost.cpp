#include "tests/inspectors/RecordingHost.h"

#include <algorithm>
#include <cstring>
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

template <typename Kind, typename Matches>
std::optional<Kind> FindFirst(Matches matches, std::string_view description) {
    for (const Call& call : calls()) {
        if (const Kind* found = std::get_if<Kind>(&call); found != nullptr && matches(*found)) {
            return *found;
        }
    }
    ADD_FAILURE() << "no registration of " << description;
    return std::nullopt;
}

bool Is(const Text& text, std::string_view expected) {
    return text && *text == expected;
}

// Renders the arguments that follow the object.
class Line {
public:
    explicit Line(const char* function)
        : text(std::string(function) + "(") {}

    Line& operator<<(const Text& t) { return Next(t ? "\"" + *t + "\"" : "null"); }
    Line& operator<<(unsigned n) { return Next(std::to_string(n)); }
    Line& operator<<(int n) { return Next(std::to_string(n)); }
    template <typename Result, typename... Arguments>
    Line& operator<<(Result (*function)(Arguments...)) {
        return Next(function != nullptr ? "fn" : "null");
    }
    Line& Registration(const void* registration, const void* object) {
        return Next(registration == object ? "self" : registration == nullptr ? "null" : "other");
    }
    std::string Done() const { return text + ")"; }
    operator std::string() const { return Done(); }

private:
    Line& Next(const std::string& item) {
        text += (text.back() == '(' ? "" : ", ") + item;
        return *this;
    }
    std::string text;
};

struct Describer {
    std::string operator()(const TypeCall& c) const {
        return (Line("Register_Type")
                << c.hostAreaSize << c.typeName << c.valueSize << c.destroyValue << c.baseTypeName)
            .Registration(c.reserved, c.object)
            .Done();
    }
    std::string operator()(const PropertyCall& c) const {
        return (Line("Register_Property") << c.hostAreaSize << c.name << c.pluralName << c.indexType
                                          << c.directObjectType << c.resultType << c.evaluate)
                   .Registration(c.registration, c.object)
               << c.hook;
    }
    std::string operator()(const IteratedPropertyCall& c) const {
        return (Line("Register_Iterated_Property")
                << c.hostAreaSize << c.name << c.pluralName << c.indexType << c.directObjectType
                << c.resultType << c.stateSize << c.constructState << c.destroyState << c.first
                << c.next)
                   .Registration(c.registration, c.object)
               << c.hook;
    }
    std::string operator()(const AggregatePropertyCall& c) const {
        return (Line("Register_Aggregate_Property")
                << c.hostAreaSize << c.name << c.pluralName << c.indexType << c.elementType
                << c.resultType << c.stateSize << c.constructState << c.destroyState << c.begin
                << c.beginAlt << c.add << c.addAlt << c.finish << c.finishAlt)
                   .Registration(c.registration, c.object)
               << c.hook;
    }
    std::string operator()(const BinaryOperatorCall& c) const {
        return (Line("Register_Binary_Operator") << c.hostAreaSize << c.operatorCode << c.leftType
                                                 << c.rightType << c.resultType << c.evaluate)
                   .Registration(c.registration, c.object)
               << c.hook;
    }
    std::string operator()(const CastCall& c) const {
        return (Line("Register_Cast")
                << c.hostAreaSize << c.castName << c.sourceType << c.targetType << c.evaluate)
                   .Registration(c.registration, c.object)
               << c.hook;
    }
    std::string operator()(const UnregisterCall& c) const {
        static const char* const functions[] = {"Unregister_Type", "Unregister_Property",
                                                "Unregister_Binary_Operator", "Unregister_Cast"};
        return Line(functions[static_cast<int>(c.kind)]).Done();
    }
};

} // namespace

std::string Describe(const Call& call) {
    return std::visit(Describer{}, call);
}

const std::vector<Call>& Calls() {
    return calls();
}

void Reset() {
    calls().clear();
    memory().clear();
}

std::size_t InspectorMemoryBlocks() {
    return memory().size();
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

std::optional<AggregatePropertyCall> FindAggregate(std::string_view name,
                                                   std::string_view elementType) {
    return FindFirst<AggregatePropertyCall>(
        [&](const auto& c) { return Is(c.name, name) && Is(c.elementType, elementType); },
        std::string(name) + " of " + std::string(elementType));
}

std::optional<PropertyCall> FindProperty(std::string_view name, std::string_view directObjectType) {
    return FindFirst<PropertyCall>(
        [&](const auto& c) { return Is(c.name, name) && Is(c.directObjectType, directObjectType); },
        std::string(name) + " of " + std::string(directObjectType));
}

std::optional<IteratedPropertyCall> FindIteratedProperty(std::string_view name,
                                                         std::string_view directObjectType) {
    return FindFirst<IteratedPropertyCall>(
        [&](const auto& c) { return Is(c.name, name) && Is(c.directObjectType, directObjectType); },
        std::string(name) + " of " + std::string(directObjectType));
}

std::optional<BinaryOperatorCall> FindBinaryOperator(int operatorCode, std::string_view leftType,
                                                     std::string_view rightType) {
    return FindFirst<BinaryOperatorCall>(
        [&](const auto& c) {
            return c.operatorCode == operatorCode && Is(c.leftType, leftType) &&
                   Is(c.rightType, rightType);
        },
        "operator " + std::to_string(operatorCode) + " on " + std::string(leftType) + ", " +
            std::string(rightType));
}

std::optional<CastCall> FindCast(std::string_view castName, std::string_view sourceType) {
    return FindFirst<CastCall>(
        [&](const auto& c) { return Is(c.castName, castName) && Is(c.sourceType, sourceType); },
        "cast " + std::string(castName) + " of " + std::string(sourceType));
}

std::optional<TypeCall> FindType(std::string_view typeName) {
    return FindFirst<TypeCall>([&](const auto& c) { return Is(c.typeName, typeName); },
                               "type " + std::string(typeName));
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
