// A soak: one million queries over every vocabulary through one host with the
// inspector library loaded, in one thread. Prints the resident size after the
// first 100,000 queries and after the last; memory is flat when the second is
// within 5 % of the first, and the exit status says whether it was.
//
//   soak [QUERIES]     (default 1000000)
#include "host/Veritor.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The resident set size in KiB, from /proc/self/statm.
long ResidentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Query number n of the mix: numbers vary, so that every query is compiled
// afresh and every value is new. Some have no value or fail on purpose.
std::string Query(long n) {
    const std::string a = std::to_string(n % 1000);
    const std::string b = std::to_string(n % 7 + 1);
    switch (n % 12) {
    case 0:
        return "product of (" + a + "; " + b + "; 3)";
    case 1:
        return "standard deviation of (" + a + "; " + b + "; 2)";
    case 2:
        return "conjunction of (" + a + " > " + b + "; true)";
    case 3:
        return "(rope \"" + a + "\" & \"-\" & \"" + b + "\") as string";
    case 4:
        return "rope \"x" + a + "y\" & \"z\" contains \"" + b + "\"";
    case 5:
        return "\"  " + a + "  \" as trimmed string";
    case 6:
        return "unordered list of (strong of \"" + a +
               "<\"; html tag (\"a\", attr list of "
               "(\"href\", \"?" +
               b + "\"), \"x\"))";
    case 7:
        return "node names of child nodes of first child of xml document of \"<r><a" + a +
               "/><b x='" + b + "'/>t</r>\"";
    case 8:
        return "(xpaths \"//i[@n='" + b + "']\" of xml document of \"<r><i n='" + b + "'>" + a +
               "</i><i n='0'/></r>\") as text";
    case 9:
        return "node values of attributes of selects \"r/i\" of xml document of \"<r><i k='" + a +
               "' l='" + b + "'/></r>\"";
    case 10:
        return "xml document of \"<r>" + a + "\""; // no value
    default:
        return "node value of first child of xml document of \"<r" + a + "/>\""; // fails
    }
}

} // namespace

int main(int argc, char** argv) {
    const long queries = argc > 1 ? std::atol(argv[1]) : 1000000;
    const long warmUp = queries / 10;
    veritor::Plugin plugin(INSPECTORS);
    long values = 0;
    long errors = 0;
    long afterWarmUp = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long n = 0; n < queries; ++n) {
        try {
            values += static_cast<long>(veritor::Run(Query(n)).values.size());
        } catch (const veritor::QueryError&) {
            ++errors;
        }
        if (n + 1 == warmUp) {
            afterWarmUp = ResidentKiB();
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long atEnd = ResidentKiB();
    const double growth =
        100.0 * static_cast<double>(atEnd - afterWarmUp) / static_cast<double>(afterWarmUp);
    std::printf("queries %ld (%ld values, %ld without a value or failed) in %.1f s\n", queries,
                values, errors, seconds);
    std::printf("resident after %ld: %ld KiB\n", warmUp, afterWarmUp);
    std::printf("resident after %ld: %ld KiB (%+.2f %%)\n", queries, atEnd, growth);
    return growth <= 5.0 ? 0 : 1;
}
