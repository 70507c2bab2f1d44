#pragma once
// A trade's outcome, an ordinary result: done, or refused with the reason the player is told
// (what was wrong and what would pass). The window or console driver sounds the beep; two
// results compare by whether the trade was done, whatever their reasons.
#include <string>

class Trade_Result {
public:
    static const Trade_Result Done;
    static const Trade_Result Refused;  // a refusal no reason goes with
    static Trade_Result Refused_Because(std::string reason) { return Trade_Result(true, std::move(reason)); }
    Trade_Result() = default;  // done

    bool operator==(const Trade_Result& other) const { return refused_ == other.refused_; }
    const std::string& Reason() const { return reason_; }

private:
    Trade_Result(bool refused, std::string reason) : refused_(refused), reason_(std::move(reason)) {}
    bool refused_ = false;
    std::string reason_;
};

inline const Trade_Result Trade_Result::Done{false, ""};
inline const Trade_Result Trade_Result::Refused{true, ""};

// What a trade would do: the cash it would leave, or why it is refused.
struct Trade_Check {
    bool Passes = false;
    double Cash = 0;
    std::string Reason;
    static Trade_Check Leaves(double cash) { return {true, cash, ""}; }
    static Trade_Check Refused(std::string reason) { return {false, 0, std::move(reason)}; }
    Trade_Result Result() const { return Passes ? Trade_Result::Done : Trade_Result::Refused_Because(Reason); }
};
