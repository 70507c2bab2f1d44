#include "engine/storage/settings_file.h"

#include <algorithm>

#include "engine/storage/data_folder.h"
#include "engine/storage/file_io.h"
#include "engine/storage/records.h"

namespace {

File_Result<std::string> Settings_Content(const Setting_List& settings) {
    Record_Writer writer;
    for (const Setting& setting : settings) {
        writer.Text(setting.Name).Text(setting.Value);
        writer.End_Record();
    }
    if (!writer.Complete()) return File_Error::Unstorable_Text;
    return writer.Output();
}

File_Result<Setting_List> Settings_From(const std::string& content) {
    Record_Reader reader(content);
    Setting_List settings;
    while (!reader.At_End()) {
        std::optional<std::string> name = reader.Text();
        std::optional<std::string> value = reader.Text();
        if (!name || !value || name->empty()) return File_Error::Damaged;
        settings.push_back({std::move(*name), std::move(*value)});
    }
    return settings;
}

// What the file holds: none for a missing file, the error for anything that is not a file of
// settings.
File_Result<Setting_List> Stored_Settings(const std::string& data_dir) {
    File_Result<std::string> content = Read_File(Settings_Path(data_dir));
    if (!content) {
        if (content.Error() == File_Error::Missing) return Setting_List{};
        return content.Error();
    }
    return Settings_From(*content);
}

}  // namespace

std::string Settings_Path(const std::string& data_dir) { return Data_File(data_dir, Settings_File_Name); }

File_Result<Setting_List> Read_Settings(const std::string& data_dir) { return Stored_Settings(data_dir); }

File_Result<Setting_List> Change_Settings(const std::string& data_dir, const std::function<void(Setting_List&)>& change) {
    File_Result<Data_Lock> lock = Lock_Data_Folder(data_dir);
    if (!lock) return lock.Error();
    File_Result<Setting_List> settings = Stored_Settings(data_dir);
    if (!settings) return settings.Error();
    const Setting_List before = *settings;
    change(*settings);
    if (*settings == before) return settings;
    File_Result<std::string> content = Settings_Content(*settings);
    if (!content) return content.Error();
    File_Result<> written = Write_File_Atomic(Settings_Path(data_dir), *content);
    if (!written) return written.Error();
    return settings;
}

std::optional<std::string> Setting_Value(const Setting_List& settings, const std::string& name) {
    for (const Setting& setting : settings)
        if (setting.Name == name) return setting.Value;
    return std::nullopt;
}

std::vector<std::string> Setting_Values(const Setting_List& settings, const std::string& name) {
    std::vector<std::string> values;
    for (const Setting& setting : settings)
        if (setting.Name == name) values.push_back(setting.Value);
    return values;
}

void Set_Setting(Setting_List& settings, const std::string& name, const std::string& value) {
    auto first = std::find_if(settings.begin(), settings.end(), [&](const Setting& s) { return s.Name == name; });
    if (first == settings.end()) {
        settings.push_back({name, value});
        return;
    }
    first->Value = value;
    settings.erase(std::remove_if(first + 1, settings.end(), [&](const Setting& s) { return s.Name == name; }),
                   settings.end());
}

void Remove_Setting(Setting_List& settings, const std::string& name) {
    settings.erase(std::remove_if(settings.begin(), settings.end(), [&](const Setting& s) { return s.Name == name; }),
                   settings.end());
}
