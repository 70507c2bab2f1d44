#include "engine/storage/player_settings.h"

#include <array>
#include <optional>

#include "engine/storage/settings_file.h"

namespace {

const std::string Theme_Setting = "Theme";
const std::string Arrows_Setting = "Change Arrows";
const std::string Safe_Colours_Setting = "Colour-Blind-Safe Colours";
const std::string Sound_Setting = "Refusal Sound";
const std::string Language_Setting = "Language";

const std::array<std::string, 3> Theme_Values = {"desktop", "light", "dark"};
const std::array<std::string, 3> Language_Values = {"desktop", "en", "de"};

template <class Choice>
Choice Choice_Of(const Setting_List& list, const std::string& name, const std::array<std::string, 3>& values) {
    const std::optional<std::string> stored = Setting_Value(list, name);
    for (std::size_t i = 0; i < values.size(); ++i)
        if (stored == values[i]) return static_cast<Choice>(i);
    return Choice{};
}

bool Switch_Of(const Setting_List& list, const std::string& name, bool fallback) {
    const std::optional<std::string> stored = Setting_Value(list, name);
    if (stored == "on") return true;
    if (stored == "off") return false;
    return fallback;
}

Player_Settings Settings_Of(const Setting_List& list) {
    const Player_Settings defaults;
    Player_Settings s;
    s.Theme = Choice_Of<Theme_Choice>(list, Theme_Setting, Theme_Values);
    s.Change_Arrows = Switch_Of(list, Arrows_Setting, defaults.Change_Arrows);
    s.Safe_Colours = Switch_Of(list, Safe_Colours_Setting, defaults.Safe_Colours);
    s.Refusal_Sound = Switch_Of(list, Sound_Setting, defaults.Refusal_Sound);
    s.Language = Choice_Of<Language_Choice>(list, Language_Setting, Language_Values);
    return s;
}

const char* Switch_Text(bool on) { return on ? "on" : "off"; }

// Only the settings that differ are written, so a choice another copy stored meanwhile stays.
void Store_Differences(Setting_List& list, const Player_Settings& before, const Player_Settings& after) {
    if (after.Theme != before.Theme)
        Set_Setting(list, Theme_Setting, Theme_Values[static_cast<std::size_t>(after.Theme)]);
    if (after.Change_Arrows != before.Change_Arrows) Set_Setting(list, Arrows_Setting, Switch_Text(after.Change_Arrows));
    if (after.Safe_Colours != before.Safe_Colours)
        Set_Setting(list, Safe_Colours_Setting, Switch_Text(after.Safe_Colours));
    if (after.Refusal_Sound != before.Refusal_Sound) Set_Setting(list, Sound_Setting, Switch_Text(after.Refusal_Sound));
    if (after.Language != before.Language)
        Set_Setting(list, Language_Setting, Language_Values[static_cast<std::size_t>(after.Language)]);
}

}  // namespace

File_Result<Player_Settings> Read_Player_Settings(const std::string& data_dir) {
    File_Result<Setting_List> list = Read_Settings(data_dir);
    if (!list) return list.Error();
    return Settings_Of(*list);
}

File_Result<> Change_Player_Settings(const std::string& data_dir, Player_Settings& settings,
                                     const std::function<void(Player_Settings&)>& change) {
    const Player_Settings before = settings;
    change(settings);
    if (settings == before) return {};
    File_Result<Setting_List> stored = Change_Settings(
        data_dir, [&](Setting_List& list) { Store_Differences(list, before, settings); });
    if (!stored) return stored.Error();
    settings = Settings_Of(*stored);
    return {};
}
