// Type checking and overload resolution: turns a parsed query into a tree of
// nodes that call the registrations chosen by name, index type and operand
// type. An exact type beats a base type; among equals the first registered
// wins.
#pragma once

#include "host/query/Lexicon.h"
#include "host/query/Nodes.h"
#include "host/query/Renderer.h"

#include <memory>
#include <string_view>
#include <vector>

namespace veritor::host {

struct CompiledTree {
    NodePointer root;
    std::unique_ptr<Renderer> renderer;
    // Where "file" is given standard input ("-") by a literal; npos if not.
    std::size_t standardInputAt = static_cast<std::size_t>(-1);
};

// Throws QueryError (syntax or type).
CompiledTree CompileQuery(std::string_view query, const Lexicon& lexicon);

} // namespace veritor::host
