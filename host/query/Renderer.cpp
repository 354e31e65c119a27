#include "host/query/Renderer.h"

#include "frame/TupleElement.h"

namespace veritor::host {

namespace {

template <typename Read>
class HostRenderer : public Renderer {
public:
    HostRenderer(std::string type, Value::Kind kind, Read read)
        : type(std::move(type))
        , kind(kind)
        , read(read) {}

    Value Render(Evaluation&, const void* address) const override {
        Value value;
        value.type = type;
        value.kind = kind;
        read(value, address);
        return value;
    }

private:
    std::string type;
    Value::Kind kind;
    Read read;
};

template <typename Read>
std::unique_ptr<Renderer> Host(std::string type, Value::Kind kind, Read read) {
    return std::make_unique<HostRenderer<Read>>(std::move(type), kind, read);
}

class TupleRenderer : public Renderer {
public:
    TupleRenderer(std::string type, std::vector<std::unique_ptr<Renderer>> components)
        : type(std::move(type))
        , components(std::move(components)) {}

    Value Render(Evaluation& evaluation, const void* address) const override {
        Value value;
        value.type = type;
        value.kind = Value::Kind::Tuple;
        const auto* node = static_cast<const TupleNode*>(address);
        for (const auto& component : components) {
            value.components.push_back(component->Render(evaluation, node->value));
            node = node->next;
        }
        return value;
    }

private:
    std::string type;
    std::vector<std::unique_ptr<Renderer>> components;
};

class LibraryRenderer : public Renderer {
public:
    LibraryRenderer(std::string type, const Registration* cast)
        : type(std::move(type))
        , cast(cast == nullptr ? Registration{} : *cast)
        , hasCast(cast != nullptr) {}

    Value Render(Evaluation& evaluation, const void* address) const override {
        Value value;
        value.type = type;
        value.kind = Value::Kind::Library;
        const void* text = nullptr;
        if (hasCast) {
            text = evaluation.Produce(sizeof(string_value), nullptr, [&](void* storage) {
                return cast.cast(storage, address, cast.callbackObject);
            });
        }
        if (text == nullptr) {
            value.text = "<" + type + ">";
        } else {
            const auto& bytes = *static_cast<const string_value*>(text);
            if (bytes.length != 0) {
                value.text.assign(bytes.start, bytes.length);
            }
        }
        return value;
    }

private:
    std::string type;
    Registration cast;
    bool hasCast;
};

const Registration* CastToString(const std::string& type, const TypeTable& types,
                                 const std::vector<Registration>& vocabulary) {
    const Registration* named = nullptr;
    const Registration* first = nullptr;
    int namedDistance = -1;
    for (const Registration& r : vocabulary) {
        if (r.kind != RegistrationKind::Cast || r.resultType != "string") {
            continue;
        }
        int distance = types.Distance(type, r.operandType);
        if (distance < 0) {
            continue;
        }
        if (r.name == "string" && (named == nullptr || distance < namedDistance)) {
            named = &r;
            namedDistance = distance;
        }
        if (first == nullptr) {
            first = &r;
        }
    }
    return named != nullptr ? named : first;
}

} // namespace

std::unique_ptr<Renderer> MakeRenderer(const std::string& type, const TypeTable& types,
                                       const std::vector<Registration>& vocabulary) {
    if (type == "boolean") {
        return Host(type, Value::Kind::Boolean, [](Value& v, const void* a) {
            v.boolean = *static_cast<const boolean_value*>(a) != 0;
        });
    }
    if (type == "integer") {
        return Host(type, Value::Kind::Integer, [](Value& v, const void* a) {
            v.integer = static_cast<const integer*>(a)->Value();
        });
    }
    if (type == "floating point") {
        return Host(type, Value::Kind::FloatingPoint, [](Value& v, const void* a) {
            const auto& f = *static_cast<const floating_point*>(a);
            v.floatingPoint = {f.Number(), f.Second(), f.Flags()};
        });
    }
    if (type == "string") {
        return Host(type, Value::Kind::String, [](Value& v, const void* a) {
            const auto& s = *static_cast<const string_value*>(a);
            if (s.length != 0) {
                v.text.assign(s.start, s.length);
            }
        });
    }
    if (auto components = TupleComponents(type); !components.empty()) {
        std::vector<std::unique_ptr<Renderer>> parts;
        parts.reserve(components.size());
        for (const auto& component : components) {
            parts.push_back(MakeRenderer(component, types, vocabulary));
        }
        return std::make_unique<TupleRenderer>(type, std::move(parts));
    }
    return std::make_unique<LibraryRenderer>(type, CastToString(type, types, vocabulary));
}

} // namespace veritor::host
