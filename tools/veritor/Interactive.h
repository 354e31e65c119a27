// The interactive prompt. On POSIX systems it edits lines, keeps a history
// and completes vocabulary names through libedit; on Windows the console
// edits the lines it reads. Ctrl-C gives up the line being typed.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace veritor::tool {

// Reads lines until end of input and hands each non-empty one to `evaluate`.
void RunPrompt(const std::function<void(const std::string&)>& evaluate);

// Completions of the last, possibly multi-word, name being typed in `text`:
// each candidate is `text` with that name completed. Names are matched from
// every word start, so "conjunction of nu" completes "numeric value".
std::vector<std::string> Completions(const std::string& text,
                                     const std::vector<std::string>& names);

} // namespace veritor::tool
