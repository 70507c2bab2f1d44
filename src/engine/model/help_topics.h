#pragma once
// The way into the help document: topic names as the windows list them, the context number
// each name opens, and the list every window's help button offers.
#include <optional>
#include <string>
#include <vector>

struct Help_Topic {
    std::string Name;
    int Context;
};

// Every topic of the help document, in the order of its table of contents.
const std::vector<Help_Topic>& Help_Topic_Table();

// The context of a topic name as it appears in a help list; nullopt for any other text.
std::optional<int> Help_Context_Of(const std::string& name);

// The windows that carry a help button with a list of topics.
enum class Help_Owner {
    Main,
    Buy,
    Sell,
    Short,
    Options,
    Chart,
    Fundamentals,
    Computer_Portfolio,
    Winners,
    New_Game,
    Settings,
    Challenge,
    Statistics
};

// What the owner's help button puts into the Help window's list, "Table of Contents" first.
std::vector<std::string> Help_Topics_For(Help_Owner owner);
