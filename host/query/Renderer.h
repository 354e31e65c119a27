// Turns a value in the host's representation into an owned veritor::Value,
// while the evaluation that made it is still alive.
#pragma once

#include "host/Veritor.h"
#include "host/query/Evaluation.h"
#include "host/query/Types.h"

#include <memory>
#include <string>
#include <vector>

namespace veritor::host {

class Renderer {
public:
    Renderer() = default;
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;
    virtual ~Renderer() = default;

    virtual Value Render(Evaluation& evaluation, const void* value) const = 0;
};

// How values of `type` are shown: host types directly, tuples component by
// component, library types through the cast named "string" from the type,
// else its first registered cast to "string", else as "<type>".
std::unique_ptr<Renderer> MakeRenderer(const std::string& type, const TypeTable& types,
                                       const std::vector<Registration>& vocabulary);

} // namespace veritor::host
