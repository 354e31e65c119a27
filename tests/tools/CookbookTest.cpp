// Every recipe of docs/cookbook.md and every example of docs/veritor.md,
// run as their reader would run them: the commands of each console block
// through sh, with `veritor` standing for the built tool; the cookbook's in a
// copy of its example folder, the tool's from the top of the source tree,
// as its paths are written. What they print, errors included, must be the
// rest of the block, exactly.
#include "tests/support/Process.h"

#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Recipe {
    std::string title;           // the heading above the block
    std::string commands;        // the lines after "$ ", one per line
    std::string output;          // every other line of the block
    bool fromSourceTree = false; // else in a copy of the cookbook's examples
};

std::vector<Recipe> Recipes(const char* path = VERITOR_COOKBOOK, bool fromSourceTree = false) {
    std::ifstream document(path, std::ios::binary);
    std::vector<Recipe> recipes;
    std::string line, title;
    bool inBlock = false;
    while (std::getline(document, line)) {
        if (!inBlock && line.starts_with("## ")) {
            title = line.substr(3);
        } else if (!inBlock && line == "```console") {
            inBlock = true;
            recipes.push_back({title, "", "", fromSourceTree});
        } else if (inBlock && line == "```") {
            inBlock = false;
        } else if (inBlock && line.starts_with("$ ")) {
            recipes.back().commands.append(line.substr(2)).push_back('\n');
        } else if (inBlock) {
            recipes.back().output.append(line).push_back('\n');
        }
    }
    return recipes;
}

std::string Quoted(const std::string& text) {
    std::string word = "'";
    for (char c : text) {
        word.append(c == '\'' ? "'\\''" : std::string(1, c));
    }
    return word + "'";
}

class CookbookRecipe : public testing::TestWithParam<Recipe> {};

TEST_P(CookbookRecipe, PrintsWhatTheCookbookShows) {
    if (RunProcess("command -v sh >/dev/null").status != 0) {
        GTEST_SKIP() << "no sh to run the recipes with";
    }
    const Recipe& recipe = GetParam();
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path folder =
        recipe.fromSourceTree
            ? fs::path(VERITOR_SOURCE_TREE)
            : fs::path(testing::TempDir()) / ("veritor-cookbook-" + std::to_string(stamp));
    if (!recipe.fromSourceTree) {
        fs::copy(VERITOR_COOKBOOK_EXAMPLES, folder, fs::copy_options::recursive);
    }
    // The examples call the tool by its name, as a shell function where the
    // build's programs run through an emulator.
    const std::string tool = std::string(VERITOR_TOOL_DIRECTORY) + "/veritor";
    const std::string script = "cd " + Quoted(folder.string()) + " && veritor() { " +
                               TargetCommand(tool) + " \"$@\"; } && exec 2>&1\n" +
                               recipe.commands;
    const ProcessOutcome run = RunProcess(script);
    if (!recipe.fromSourceTree) {
        fs::remove_all(folder);
    }
    EXPECT_EQ(run.out, recipe.output) << recipe.commands;
}

std::string RecipeName(const testing::TestParamInfo<Recipe>& info) {
    std::string name = std::to_string(info.index);
    for (const unsigned char c : info.param.title) {
        if (std::isalnum(c)) {
            name.push_back(static_cast<char>(c));
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cookbook, CookbookRecipe, testing::ValuesIn(Recipes()), RecipeName);
INSTANTIATE_TEST_SUITE_P(ToolDocument, CookbookRecipe,
                         testing::ValuesIn(Recipes(VERITOR_TOOL_DOCUMENT, true)), RecipeName);

TEST(Cookbook, HasARecipeForEachTaskItCovers) {
    const std::vector<Recipe> recipes = Recipes();
    EXPECT_GE(recipes.size(), 20u);
    for (const Recipe& recipe : recipes) {
        EXPECT_NE(recipe.commands, "") << recipe.title << ": a block without a command";
        EXPECT_NE(recipe.output, "") << recipe.title << ": a command that shows nothing";
    }
}

} // namespace
