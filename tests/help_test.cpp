// The help topics every window offers, and the help document that must answer them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "engine/model/help_topics.h"

namespace {

std::string Help_Document() {
    const auto path = std::filesystem::path(__FILE__).parent_path().parent_path() / "src/desktop/resources/help/help.html";
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::set<int> Numbers_After(const std::string& text, const std::string& pattern) {
    std::set<int> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator(); ++it)
        found.insert(std::stoi((*it)[1]));
    return found;
}

}  // namespace

TEST(Help_Document, HasOneSectionPerTopicAndEveryLinkLeadsToOne) {
    const std::string doc = Help_Document();
    ASSERT_FALSE(doc.empty()) << "help document not found";
    std::set<int> table;
    for (const auto& topic : Help_Topic_Table()) {
        table.insert(topic.Context);
        // The section's heading is the topic's own name, right after its anchor.
        const std::string heading = "<a name=\"topic-" + std::to_string(topic.Context) + "\"></a>" + topic.Name + "</h";
        EXPECT_NE(doc.find(heading), std::string::npos) << topic.Name;
    }
    EXPECT_EQ(table.size(), 28u);
    const std::set<int> sections = Numbers_After(doc, "name=\"topic-(\\d+)\"");
    EXPECT_EQ(sections, table);

    for (int link : Numbers_After(doc, "href=\"#topic-(\\d+)\"")) {
        EXPECT_TRUE(sections.count(link)) << "dangling link to topic " << link;
    }
    const std::set<int> from_contents = Numbers_After(doc.substr(0, doc.find("<h2>")), "href=\"#topic-(\\d+)\"");
    for (int section : sections) {
        if (section != 1) {
            EXPECT_TRUE(from_contents.count(section)) << "not in the contents: " << section;
        }
    }
}

TEST(Help_Topics, EachWindowListsTheContentsAndItsOwnTopics) {
    const std::vector<std::pair<Help_Owner, std::vector<int>>> expected = {
        {Help_Owner::Main, {1, 100, 102, 107}},
        {Help_Owner::Buy, {1, 101}},
        {Help_Owner::Sell, {1, 103}},
        {Help_Owner::Short, {1, 500, 501, 502, 503}},
        {Help_Owner::Options, {1, 300}},
        {Help_Owner::Chart, {1, 105, 114, 115}},
        {Help_Owner::Fundamentals, {1, 106}},
        {Help_Owner::Computer_Portfolio, {1, 104}},
        {Help_Owner::Winners, {1, 110}},
        {Help_Owner::New_Game, {1, 204, 111, 112, 113, 600}},
        {Help_Owner::Challenge, {1, 600, 601}},
        {Help_Owner::Statistics, {1, 601, 600}},
        {Help_Owner::Settings, {1, 120}},
    };
    for (const auto& [owner, contexts] : expected) {
        std::vector<int> listed;
        for (const auto& name : Help_Topics_For(owner)) listed.push_back(Help_Context_Of(name).value_or(-1));
        EXPECT_EQ(listed, contexts) << static_cast<int>(owner);
    }
    EXPECT_EQ(Help_Context_Of("using momentum"), std::nullopt);
    EXPECT_EQ(Help_Context_Of(""), std::nullopt);
}
