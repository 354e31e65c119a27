// Where Wine, under which the tests of the Windows build run, is known to
// differ from Windows. The tests keep the behaviour recorded for Windows;
// each known difference of Wine is listed once, with its reason, in
// WineDifferences.cpp. A difference in the project's own code is fixed,
// never listed.
#pragma once

#include <string>
#include <string_view>

// Whether this process runs under Wine.
bool UnderWine();

// Under Wine, the reason why a case whose description contains a listed
// subject (a query, a document, a test's path of steps) cannot behave as on
// Windows; null when not under Wine or not listed.
const char* WineDifference(std::string_view description);

// `text` as the running system words it: under Wine, the system texts that
// Wine words differently replaced with Wine's; elsewhere `text` unchanged.
std::string AsTheSystemWordsIt(std::string text);
