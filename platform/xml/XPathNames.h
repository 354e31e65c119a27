// Name tests that libxml2's XPath cannot read. Its XPath knows the name
// characters of XML 1.0's fourth edition, while its parser takes those of the
// fifth, so a document may use names (`a€`) that an XPath name test cannot
// spell. Such a name test is written instead as a test of any node whose
// local name and namespace URI are the name's:
//   a€    ->  *[local-name()='a€' and namespace-uri()='']
//   p:a€  ->  *[local-name()='a€' and namespace-uri()='<p's URI>']
// which selects the same nodes, in the same order, with the same positions.
#pragma once

#include "platform/xml/xslpattern/XslPattern.h"

#include <string>
#include <string_view>
#include <vector>

namespace Xml {

// `expression` with every name test that holds a non-ASCII character
// rewritten; prefixes are resolved with `bindings`. A name test whose prefix
// is not bound is left as it is, for the evaluation to reject.
std::string WithReadableNames(std::string_view expression,
                              const std::vector<XslPattern::Binding>& bindings);

} // namespace Xml
