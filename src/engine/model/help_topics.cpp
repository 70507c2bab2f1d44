#include "engine/model/help_topics.h"

const std::vector<Help_Topic>& Help_Topic_Table() {
    static const std::vector<Help_Topic> table = {
        {"Table of Contents", 1},
        {"Main Screen", 100},
        {"Buying Stocks", 101},
        {"Your Portfolio", 102},
        {"Selling Stocks", 103},
        {"The Computer Opponent", 104},
        {"The Stock Chart Screen", 105},
        {"Profiting from Company Earnings", 106},
        {"Understanding News Events", 107},
        {"Scoring", 110},
        {"Difficulty Settings", 111},
        {"Game Length Settings", 112},
        {"News Event Settings", 113},
        {"Using Moving Averages", 114},
        {"Using Momentum", 115},
        {"The Guide", 116},
        {"Configuring Bullquest", 120},
        {"Starting a New Game", 204},
        {"Introducing: Vuzedad Erover", 300},
        {"Definitions", 301},
        {"Working with Options", 302},
        {"Example Options Trading Scenario", 303},
        {"Shorting Stocks Intro", 500},
        {"What can short selling do for me?", 501},
        {"What exactly is short selling?", 502},
        {"How does short selling work in Bullquest?", 503},
        {"Challenges", 600},
        {"Statistics", 601},
    };
    return table;
}

std::optional<int> Help_Context_Of(const std::string& name) {
    for (const auto& topic : Help_Topic_Table())
        if (topic.Name == name) return topic.Context;
    return std::nullopt;
}

static std::vector<std::string> Own_Topics(Help_Owner owner) {
    switch (owner) {
    case Help_Owner::Main: return {"Main Screen", "Your Portfolio", "Understanding News Events"};
    case Help_Owner::Buy: return {"Buying Stocks"};
    case Help_Owner::Sell: return {"Selling Stocks"};
    case Help_Owner::Short:
        return {"Shorting Stocks Intro", "What can short selling do for me?", "What exactly is short selling?",
                "How does short selling work in Bullquest?"};
    case Help_Owner::Options: return {"Introducing: Vuzedad Erover"};
    case Help_Owner::Chart: return {"The Stock Chart Screen", "Using Moving Averages", "Using Momentum"};
    case Help_Owner::Fundamentals: return {"Profiting from Company Earnings"};
    case Help_Owner::Computer_Portfolio: return {"The Computer Opponent"};
    case Help_Owner::Winners: return {"Scoring"};
    case Help_Owner::New_Game:
        return {"Starting a New Game", "Difficulty Settings", "Game Length Settings", "News Event Settings", "Challenges"};
    case Help_Owner::Challenge: return {"Challenges", "Statistics"};
    case Help_Owner::Statistics: return {"Statistics", "Challenges"};
    case Help_Owner::Settings: return {"Configuring Bullquest"};
    }
    return {};
}

std::vector<std::string> Help_Topics_For(Help_Owner owner) {
    std::vector<std::string> topics = {"Table of Contents"};
    for (auto& name : Own_Topics(owner)) topics.push_back(std::move(name));
    return topics;
}
